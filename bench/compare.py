#!/usr/bin/python3
"""Whole-process timings of korvale-cli beside generic dBase tools.

  bench/compare.py [BUILD_DIR]      (default build/release)

Export of sample records to CSV beside python3-dbfread (+ csv) and dbview;
an import that changes all twenty ratings of every player beside
python3-dbf doing the same updates, and beside a lean python3-dbf script
that sets the same columns to constants. Prints wall and CPU seconds and ratios
(other tool / korvale-cli, on CPU time); asserts nothing. Tools that are
not installed are skipped. bench/report.py uses the same measurements.
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

# The least python3-dbf can do for the same work: the twenty columns set to
# constant strings, one `with record:` per record, no arithmetic. Its
# values are not those of the table; only its time counts.
DBF_LEAN = """
import sys, dbf
columns = sys.argv[2].split(",")
table = dbf.Table(sys.argv[1], codepage="cp1252")
table.open(mode=dbf.READ_WRITE)
for record in table:
    with record:
        for column in columns:
            record[column] = "10"
table.close()
"""


class Timing:
    """Wall and CPU (user + system) seconds of one process."""

    def __init__(self, wall, cpu):
        self.wall = wall
        self.cpu = cpu

    def __str__(self):
        return "%.3f s (CPU %.3f s)" % (self.wall, self.cpu)


def run(command):
    start = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    wall = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        raise subprocess.CalledProcessError(os.waitstatus_to_exitcode(status), command)
    return Timing(wall, usage.ru_utime + usage.ru_stime)


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


def sample(cli, work, players, name="Players"):
    path = os.path.join(work, "%s%d.dbf" % (name, players))
    subprocess.run([cli, "sample", path, "--players", str(players), "--force"], check=True)
    return path


def least_cpu(command, runs=3):
    """The run with the least CPU time of `command`: one run alone on a busy
    machine may take half as long again."""
    return min((run(command) for _ in range(runs)), key=lambda t: t.cpu)


def export_rows(cli, work, players):
    """{tool: Timing} for a CSV dump of a sample of `players` records, the
    least CPU time of three runs each."""
    path = sample(cli, work, players)
    times = {"korvale-cli": least_cpu([cli, "export", path, "-o", os.path.join(work, "out.csv")])}
    if have_module("dbfread"):
        times["dbfread"] = least_cpu(["/usr/bin/python3", "-c", DBFREAD, path])
    if shutil.which("dbview"):
        times["dbview"] = least_cpu(["dbview", "-b", "-t", path])
    return times


def ratings_table(cli, path, table):
    exported = subprocess.run([cli, "export", path], check=True, capture_output=True, text=True)
    rows = list(csv.DictReader(exported.stdout.splitlines()))
    with open(table, "w", newline="") as out:
        writer = csv.writer(out)
        writer.writerow(["Record"] + RATINGS)
        for row in rows:
            writer.writerow([row["Record"]] + [50 if int(row[r]) == 99 else int(row[r]) + 1
                                               for r in RATINGS])


def best_on_copies(base, copy, command, runs=3):
    """The run with the least CPU time of `command`, each on a fresh copy of base."""
    times = []
    for _ in range(runs):
        shutil.copyfile(base, copy)
        times.append(run(command))
    return min(times, key=lambda t: t.cpu)


def import_ratings(cli, work, players):
    """({tool: Timing}, same values) for new values of all twenty ratings.

    Each tool runs three times on fresh copies; the least CPU time counts."""
    base = sample(cli, work, players, "Base")
    table = os.path.join(work, "ratings.csv")
    ratings_table(cli, base, table)
    path = os.path.join(work, "Ratings.dbf")
    copy = os.path.join(work, "Ratings-dbf.dbf")
    lean = os.path.join(work, "Ratings-lean.dbf")
    times = {"korvale-cli": best_on_copies(base, path, [cli, "import", path, table])}
    same = None
    if have_module("dbf"):
        names = subprocess.run(["/usr/bin/python3", "-c",
                                "import sys,dbf; t=dbf.Table(sys.argv[1]); t.open();"
                                "print(','.join(t.field_names))", base],
                               check=True, capture_output=True, text=True).stdout.strip()
        columns = ",".join(dbf_column(r, names.split(",")) for r in RATINGS)
        python = ["/usr/bin/python3", "-c"]
        times["python3-dbf"] = best_on_copies(base, copy, python + [DBF_UPDATE, copy, columns])
        times["python3-dbf, lean"] = best_on_copies(base, lean, python + [DBF_LEAN, lean, columns])
        # python3-dbf left-aligns what it stores (" 8" becomes "8 "), so the
        # results are compared as shown values, not bytes.
        same = subprocess.run([cli, "diff", path, copy], stdout=subprocess.DEVNULL).returncode == 0
    return times, same


def line(title, times):
    ours = times["korvale-cli"]
    text = "%s: korvale-cli %s" % (title, ours)
    for tool, theirs in times.items():
        if tool != "korvale-cli":
            text += " | %s %s (%.1fx)" % (tool, theirs, theirs.cpu / ours.cpu)
    return text


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/release"
    cli = os.path.abspath(os.path.join(build, "src", "cli", "korvale-cli"))
    with tempfile.TemporaryDirectory() as work:
        # The change history of the rosters measured goes with them, not
        # into the user's own history folder.
        os.environ["KORVALE_HISTORY_DIR"] = os.path.join(work, "history")
        for players in (15000, 150000):
            print(line("export to CSV, %d records" % players, export_rows(cli, work, players)))
        times, same = import_ratings(cli, work, 15000)
        print(line("import of all 20 ratings, 15000 players", times) +
              ("" if same is None else ", same values" if same else " [values differ]"))


if __name__ == "__main__":
    main()
