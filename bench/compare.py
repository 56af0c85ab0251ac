#!/usr/bin/python3
"""Whole-process timings of korvale-cli beside generic dBase tools.

  bench/compare.py [BUILD_DIR]      (default build/release)

Export of 15,000 and 150,000 sample records to CSV beside python3-dbfread
(+ csv) and dbview; an import that changes all twenty ratings of 15,000
players beside python3-dbf doing the same updates. Prints seconds and
ratios; asserts nothing. Tools that are not installed are skipped.
"""
import csv
import os
import shutil
import subprocess
import sys
import tempfile
import time

RATINGS = ["Fatigue", "JumpShooting", "ThreePointers", "FreeThrows", "Dunking", "Stealing",
           "Blocking", "OffensiveRebounding", "DefensiveRebounding", "Passing",
           "OffensiveAwareness", "DefensiveAwareness", "Speed", "Quickness", "Jumping",
           "Dribbling", "Strength", "Hardiness", "InsideShooting", "Clutch"]

DBFREAD = """
import csv, sys, dbfread
table = dbfread.DBF(sys.argv[1], encoding="cp1252")
out = csv.writer(sys.stdout)
out.writerow(table.field_names)
for record in table:
    out.writerow(record.values())
"""

# The same new ratings as the korvale-cli table: shown r becomes r + 1
# (99 becomes 50), stored as the code 2r - 100 in the first two bytes of
# each three-byte column.
DBF_UPDATE = """
import sys, dbf
columns = sys.argv[2].split(",")
table = dbf.Table(sys.argv[1], codepage="cp1252")
table.open(mode=dbf.READ_WRITE)
for record in table:
    with record:
        for column in columns:
            stored = record[column]
            shown = int(stored[:2].strip() or 0) // 2 + 50
            shown = 50 if shown == 99 else shown + 1
            record[column] = "%2d" % (2 * shown - 100) + stored[2:]
table.close()
"""


def seconds(command, **kwargs):
    start = time.perf_counter()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, **kwargs)
    return time.perf_counter() - start


def have_module(name):
    return subprocess.run(["/usr/bin/python3", "-c", "import " + name],
                          stderr=subprocess.DEVNULL).returncode == 0


def dbf_column(field, names):
    """The header's column name of a field (cut to 10 characters, made unique)."""
    for name in names:
        if field[:8].lower() == name[:8].lower() and (name.lower() == field[:10].lower()
                                                        or name[8:].isdigit()):
            return name
    raise KeyError(field)


def export_rows(cli, work):
    print("export to CSV (seconds; ratio = other tool / korvale-cli)")
    for players in (15000, 150000):
        sample = os.path.join(work, "Players%d.dbf" % players)
        subprocess.run([cli, "sample", sample, "--players", str(players), "--force"], check=True)
        ours = seconds([cli, "export", sample, "-o", os.path.join(work, "out.csv")])
        line = "  %7d records: korvale-cli %.3f" % (players, ours)
        if have_module("dbfread"):
            theirs = seconds(["/usr/bin/python3", "-c", DBFREAD, sample])
            line += " | dbfread %.3f (%.1fx)" % (theirs, theirs / ours)
        if shutil.which("dbview"):
            theirs = seconds(["dbview", "-b", "-t", sample])
            line += " | dbview %.3f (%.1fx)" % (theirs, theirs / ours)
        print(line)


def import_ratings(cli, work):
    players = 15000
    sample = os.path.join(work, "Ratings.dbf")
    subprocess.run([cli, "sample", sample, "--players", str(players), "--force"], check=True)
    exported = subprocess.run([cli, "export", sample], check=True, capture_output=True, text=True)
    rows = list(csv.DictReader(exported.stdout.splitlines()))
    table = os.path.join(work, "ratings.csv")
    with open(table, "w", newline="") as out:
        writer = csv.writer(out)
        writer.writerow(["Record"] + RATINGS)
        for row in rows:
            writer.writerow([row["Record"]] + [50 if int(row[r]) == 99 else int(row[r]) + 1
                                               for r in RATINGS])
    copy = os.path.join(work, "Ratings-dbf.dbf")
    shutil.copyfile(sample, copy)
    ours = seconds([cli, "import", sample, table])
    line = "import of all 20 ratings, %d players: korvale-cli %.3f" % (players, ours)
    if have_module("dbf"):
        names = subprocess.run(["/usr/bin/python3", "-c",
                                "import sys,dbf; t=dbf.Table(sys.argv[1]); t.open();"
                                "print(','.join(t.field_names))", copy],
                               check=True, capture_output=True, text=True).stdout.strip()
        columns = [dbf_column(r, names.split(",")) for r in RATINGS]
        theirs = seconds(["/usr/bin/python3", "-c", DBF_UPDATE, copy, ",".join(columns)])
        # python3-dbf left-aligns what it stores (" 8" becomes "8 "), so the
        # results are compared as shown values, not bytes.
        same = subprocess.run([cli, "diff", sample, copy], stdout=subprocess.DEVNULL).returncode == 0
        line += " | python3-dbf %.3f (%.1fx)%s" % (theirs, theirs / ours,
                                                   ", same values" if same else " [values differ]")
    print(line)


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/release"
    cli = os.path.abspath(os.path.join(build, "src", "cli", "korvale-cli"))
    with tempfile.TemporaryDirectory() as work:
        export_rows(cli, work)
        import_ratings(cli, work)


if __name__ == "__main__":
    main()
