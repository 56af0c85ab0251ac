#!/usr/bin/env python3
"""Round trips of korvale-cli tables through LibreOffice Calc.

Usage: roundtrip.py KORVALE_CLI WORK_FOLDER

Each case exports a roster, lets Calc open the table (special numbers
detected, quoted cells as text), save it as .xlsx, open that and save it as
a table again, and imports the result. An unedited table must import as no
change and leave the roster byte for byte as it was; an edited one exactly
its edits. A patch case writes the differences to an updated roster as a
patch instead, and the patch back from Calc must apply to the roster as
exactly that roster. Calc runs headless with profiles of its own in
WORK_FOLDER.
Prints one line per case and "N passed, M failed" last.
"""
import csv
import io
import shutil
import subprocess
import sys
from dataclasses import dataclass, field
from pathlib import Path

CSV_FILTER = "Text - txt - csv (StarCalc)"
UTF8, WINDOWS_1252 = 76, 1
ENCODINGS = {UTF8: "utf-8-sig", WINDOWS_1252: "cp1252"}

# Texts a spreadsheet would turn into numbers, dates or formulas, and names
# beyond ASCII, put into the sample roster by record.
ODD_TEXTS = """Record,LastName,FirstName,Nickname,BirthTown,BirthState
0,Gómez,Zoë,007,Málaga,3-4
1,Brontë,Renée,1E5, 12,=1+1
2,Øster,Çelik,-5,Düsseldorf,Ñandú
"""
# The update a patch case carries: texts a spreadsheet would change, a
# rating, a flag and a list field.
PATCH_EDITS = """Record,Nickname,BirthState,JumpShooting,IsHidden,Position
3,007,3-4,88,true,Center
4,=1+1,1E5,,,
"""
CHANGED_RECORD = 1
CHANGED_RATING = "JumpShooting"
CHANGED_FLAG = "IsHidden"


@dataclass
class Case:
    name: str
    separator: int  # as Calc's filter takes it: the character's code
    charset: int
    locale: str = "en-US"
    export: list = field(default_factory=list)
    edit: bool = False
    patch: bool = False  # export: the options of diff --patch


CASES = [
    Case("comma, UTF-8", 44, UTF8),
    Case("semicolon, Windows-1252", 59, WINDOWS_1252),
    Case("tab, UTF-8", 9, UTF8),
    Case("Calc in German, semicolon, UTF-8", 59, UTF8, locale="de-DE"),
    Case("export --labels", 44, UTF8, export=["--labels"]),
    Case("export --excel", 44, UTF8, export=["--excel"]),
    Case("a rating and a flag edited", 44, UTF8, edit=True),
    Case("diff --patch", 44, UTF8, patch=True),
    Case("diff --patch --labels --excel, back with semicolons", 59, UTF8,
         export=["--labels", "--excel"], patch=True),
]


class Failure(Exception):
    pass


def brief(text, lines=3, width=160):
    """The first lines of a program's message, each cut short."""
    all_lines = text.strip().splitlines()
    cut = [l if len(l) <= width else l[:width] + "..." for l in all_lines[:lines]]
    more = f"\n        ({len(all_lines) - lines} more lines)" if len(all_lines) > lines else ""
    return "\n        ".join(cut) + more


def run(args, check=True):
    done = subprocess.run([str(a) for a in args], capture_output=True, text=True)
    if check and done.returncode != 0:
        command = " ".join(Path(str(a)).name if i == 0 else str(a) for i, a in enumerate(args[:3]))
        raise Failure(f"{command} ... exited with {done.returncode}:\n        "
                      + brief(done.stderr or done.stdout))
    return done


def changes_listed(done):
    return [l for l in done.stdout.splitlines() if l.startswith("record ")]


def profile_settings(locale):
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry"
 xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Setup/L10N"><prop oor:name="ooSetupSystemLocale" oor:op="fuse"><value>{locale}</value></prop></item>
<item oor:path="/org.openoffice.Setup/L10N"><prop oor:name="ooLocale" oor:op="fuse"><value>{locale}</value></prop></item>
<item oor:path="/org.openoffice.Office.Linguistic/General"><prop oor:name="DefaultLocale" oor:op="fuse"><value>{locale}</value></prop></item>
</oor:items>
"""


def calc(work, locale, filter_args, files, outdir):
    """Converts `files` with a Calc set to `locale`."""
    profile = work / f"profile-{locale}"
    settings = profile / "user" / "registrymodifications.xcu"
    if not settings.exists():
        settings.parent.mkdir(parents=True, exist_ok=True)
        settings.write_text(profile_settings(locale), encoding="utf-8")
    run(["soffice", "--headless", "--norestore", f"-env:UserInstallation={profile.as_uri()}"]
        + filter_args + ["--outdir", outdir] + files)


def split_raw(line, separator):
    """The cells of one table line as written, quotes kept."""
    cells, cell, quoted = [], "", False
    for ch in line:
        if ch == '"':
            quoted = not quoted
        if ch == separator and not quoted:
            cells.append(cell)
            cell = ""
        else:
            cell += ch
    return cells + [cell]


def edit_table(path):
    """Raises one rating and flips one flag of CHANGED_RECORD, in place,
    touching nothing else of the file."""
    data = path.read_bytes()
    text = data.decode("utf-8-sig")
    bom = data[: len(data) - len(text.encode("utf-8"))]
    lines = text.splitlines(keepends=True)
    header = split_raw(lines[0].rstrip("\r\n"), ",")
    rating, flag = header.index(CHANGED_RATING), header.index(CHANGED_FLAG)
    for i, line in enumerate(lines[1:], start=1):
        end = line[len(line.rstrip("\r\n")):]
        cells = split_raw(line.rstrip("\r\n"), ",")
        if cells[0].strip('"') != str(CHANGED_RECORD):
            continue
        value = int(cells[rating].strip('"'))
        cells[rating] = str(value + 1 if value < 99 else value - 1)
        cells[flag] = "false" if cells[flag].strip('"').lower() in ("true", "1") else "true"
        lines[i] = ",".join(cells) + end
    path.write_bytes(bom + "".join(lines).encode("utf-8"))


def read_table(path, separator, charset):
    text = path.read_bytes().decode(ENCODINGS[charset], errors="replace")
    return list(csv.reader(io.StringIO(text), delimiter=chr(separator)))


def what_calc_changed(before, after, case, limit=6):
    """The cells Calc changed, as 'Field row N: "x" -> "y"'."""
    old = read_table(before, 44, UTF8)
    new = read_table(after, case.separator, case.charset)
    changes = []
    for r, (a, b) in enumerate(zip(old, new)):
        for c, (x, y) in enumerate(zip(a, b)):
            if x != y:
                changes.append(f'{old[0][c] if c < len(old[0]) else c} row {r}: "{x}" -> "{y}"')
    if len(old) != len(new):
        changes.append(f"{len(old)} lines -> {len(new)} lines")
    more = f" and {len(changes) - limit} more" if len(changes) > limit else ""
    return "; ".join(changes[:limit]) + more


def expect_import(cli, roster, table, expected_roster, expected_lines):
    """Imports `table` into a copy of `roster`: the verbose listing must be
    `expected_lines` and the result `expected_roster`, byte for byte."""
    work = roster.with_name(table.stem + ".dbf")
    shutil.copyfile(roster, work)
    done = run([cli, "import", "--verbose", work, table], check=False)
    if done.returncode != 0:
        raise Failure("import refused the table:\n        " + brief(done.stderr))
    changes = changes_listed(done)
    if changes != expected_lines:
        raise Failure("import changed " + ("; ".join(changes[:6]) or "nothing")
                      + (f" ({len(changes)} changes)" if len(changes) > 6 else "")
                      + "; expected " + ("; ".join(expected_lines) or "no change"))
    if work.read_bytes() != expected_roster.read_bytes():
        diff = run([cli, "diff", expected_roster, work], check=False)
        raise Failure("the roster is not byte-identical:\n        " + brief(diff.stdout))


def expect_apply(cli, roster, patch, expected_roster):
    """Applies `patch` to a copy of `roster`: the result must be
    `expected_roster`, byte for byte."""
    work = roster.with_name(patch.stem + ".dbf")
    shutil.copyfile(roster, work)
    done = run([cli, "apply", work, patch], check=False)
    if done.returncode != 0:
        raise Failure("apply refused the patch:\n        " + brief(done.stderr))
    if work.read_bytes() != expected_roster.read_bytes():
        diff = run([cli, "diff", expected_roster, work], check=False)
        raise Failure("the roster is not byte-identical:\n        " + brief(diff.stdout))


def main():
    cli, work = Path(sys.argv[1]).resolve(), Path(sys.argv[2]).resolve()
    for sub in ("tables", "xlsx", "back"):
        shutil.rmtree(work / sub, ignore_errors=True)
        (work / sub).mkdir(parents=True)
    roster = work / "tables" / "Players.dbf"
    run([cli, "sample", "--force", "--players", "8", roster])
    (work / "tables" / "odd.csv").write_text(ODD_TEXTS, encoding="utf-8")
    run([cli, "import", roster, work / "tables" / "odd.csv"])
    updated = work / "tables" / "updated.dbf"
    shutil.copyfile(roster, updated)
    (work / "tables" / "update.csv").write_text(PATCH_EDITS, encoding="utf-8")
    run([cli, "import", updated, work / "tables" / "update.csv"])

    results = {}
    exported = {}
    for n, case in enumerate(CASES):
        table = work / "tables" / f"case{n}.csv"
        try:
            if case.patch:
                run([cli, "diff", roster, updated, "--patch"] + case.export + ["-o", table])
            else:
                run([cli, "export"] + case.export + ["-o", table, roster])
            if case.edit:
                edit_table(table)
            exported[n] = table
        except Failure as e:
            results[n] = f"export: {e}"

    for locale in sorted({c.locale for c in CASES}):
        files = [t for n, t in exported.items() if CASES[n].locale == locale]
        if files:
            calc(work, locale, [f"--infilter={CSV_FILTER}:44,34,{UTF8},1,,0,true,true",
                                "--convert-to", "xlsx"], files, work / "xlsx")

    for n, table in exported.items():
        case = CASES[n]
        back = work / "back" / table.name
        try:
            options = f"{case.separator},34,{case.charset},1,,0,false,true,true"
            calc(work, case.locale, ["--convert-to", f"csv:{CSV_FILTER}:{options}"],
                 [work / "xlsx" / (table.stem + ".xlsx")], work / "back")
            if case.patch:
                expect_apply(cli, roster, back, updated)
                results[n] = None
                continue
            expected, lines = roster, []
            if case.edit:
                expected = work / "tables" / "edited.dbf"
                shutil.copyfile(roster, expected)
                run([cli, "import", expected, table])
                lines = changes_listed(run([cli, "import", "--verbose", "--dry-run", roster, table]))
                if len(lines) != 2:
                    raise Failure(f"the edited table itself imports as {lines}")
            expect_import(cli, roster, back, expected, lines)
            results[n] = None
        except Failure as e:
            calc_changes = ""
            if back.exists():
                calc_changes = what_calc_changed(table, back, case)
            results[n] = str(e) + (f"\n        Calc changed: {calc_changes}" if calc_changes else "")

    failed = 0
    for n, case in enumerate(CASES):
        if results[n] is None:
            print(f"ok      {case.name}")
        else:
            failed += 1
            print(f"FAILED  {case.name}: {results[n]}")
    print(f"{len(CASES) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
