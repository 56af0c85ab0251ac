#!/usr/bin/python3
"""Writes docs/PERFORMANCE.md from measurements taken now.

  bench/report.py [--cli-only] [--before OLD_BUILD_DIR] [--windows WINDOWS_BUILD_DIR]
                  [BUILD_DIR] [OUT]   (default build/release, docs/PERFORMANCE.md)

--cli-only measures korvale-cli alone and keeps the editor's part of OUT
as it is (a busy machine need not measure the editor again).
--before measures the editor and the import of a release build of an earlier
commit too, right before this one, and shows both side by side.
--windows times the Windows editor of a mingw build (win_view_bench) under
Wine through scripts/win-bench, and reports it beside the editor's part.

The editor's commands come from view_bench (headless, in-process, Google
Benchmark, CPU time per command), its peak memory from view_peak (one
process per roster size), and the command-line comparison from compare.py.
"""
import itertools
import json
import os
import platform
import shutil
import subprocess
import sys
import tempfile

import compare

SIZES = (1500, 15000, 150000)
BENCHES = [("BM_Select", "Select (file chosen, record 0 shown, three lists filled)"),
           ("BM_PlayerListChoice", "player list choice"),
           ("BM_RatingCommit", "rating commit"),
           ("BM_NameCommit", "name commit (lists filled again)")]
UNIT = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def view_timings(build):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    out = subprocess.run([os.path.join(build, "bench", "view_bench"), "--benchmark_format=json",
                          "--benchmark_repetitions=3", "--benchmark_report_aggregates_only=true"],
                         check=True, capture_output=True, text=True, env=env).stdout
    times = {}
    for b in json.loads(out)["benchmarks"]:
        if b.get("aggregate_name") != "median":
            continue
        name, size = b["run_name"].split("/")
        scale = UNIT[b["time_unit"]]
        times[(name, int(size))] = (b["cpu_time"] * scale, b["real_time"] * scale)
    return times


def windows_timings(windows):
    """{(name, size): (cpu ms, wall ms)} of win_view_bench under Wine."""
    script = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "scripts", "win-bench")
    out = subprocess.run([script, windows], check=True, capture_output=True, text=True).stdout
    times = {}
    for line in out.splitlines():
        fields = line.split()
        if len(fields) == 3 and "/" in fields[0]:
            name, size = fields[0].split("/")
            times[(name, int(size))] = (float(fields[1]), float(fields[2]))
    return times


def windows_section(times):
    rows = ["## Windows editor under Wine", "",
            "`bench/WinViewBench.cpp` runs each command three times at 150,000",
            "records and five times below (a rating commit twice as many and once",
            "more): the mean CPU time (Wine counts it in 10 ms ticks) and the median",
            "wall time of the runs. It times the Windows editor of the mingw build,",
            "driven through its Win32 front end",
            "under Wine on a private Xvfb (`scripts/win-bench`), on the rosters of",
            "the headless benchmark. A choice in the player list is the list's",
            "CBN_SELCHANGE; a commit is Tab pressed after the value was typed. The",
            "CPU time is the editor's process alone: the X server and Wine's server",
            "work for it too, so the wall time says more here. Reported, not",
            "asserted: Wine is not Windows.", "",
            "| Command (ms, CPU; wall in brackets) | " +
            " | ".join("%d records" % s for s in SIZES) + " |", "|---|" + "---:|" * len(SIZES)]
    for name, title in BENCHES:
        rows.append("| %s | %s |" % (title, " | ".join(editor_cell(times, name, s) for s in SIZES)))
    return rows + [""]


def peak_memory(build, cli, work):
    peaks = {}
    if build is None:
        return peaks
    for size in SIZES:
        path = compare.sample(cli, work, size, "Peak")
        out = subprocess.run([os.path.join(build, "bench", "view_peak"), path], check=True,
                             capture_output=True, text=True,
                             env=dict(os.environ, QT_QPA_PLATFORM="offscreen")).stdout
        values = dict(line.split() for line in out.splitlines())
        peaks[size] = (int(values["peak_before_select_kib"]) / 1024, int(values["peak_kib"]) / 1024)
        os.remove(path)
    return peaks


def import_peaks(cli, work):
    """Peak resident memory (MB) of importing a roster's own untouched export."""
    rows = ["| Import of its own untouched export | " +
            " | ".join("%d records" % s for s in SIZES[1:]) + " |", "|---|" + "---:|" * 2]
    for fmt in ("csv", "json"):
        cells = []
        for size in SIZES[1:]:
            path = compare.sample(cli, work, size, "Mem")
            table = os.path.join(work, "mem." + fmt)
            subprocess.run([cli, "export", path, "-o", table], check=True)
            err = subprocess.run(["/usr/bin/time", "-v", cli, "import", path, table], check=True,
                                 capture_output=True, text=True).stderr
            kib = next(int(l.split(":")[1]) for l in err.splitlines()
                       if "Maximum resident set size" in l)
            cells.append("%.0f MB" % (kib / 1024))
            os.remove(path)
            os.remove(table)
        rows.append("| %s table, peak memory | %s |" % (fmt.upper(), " | ".join(cells)))
    return rows


def usage(command):
    """(user s, system s, minor page faults) of one process."""
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, use = os.wait4(process.pid, 0)
    if os.waitstatus_to_exitcode(status) != 0:
        raise subprocess.CalledProcessError(os.waitstatus_to_exitcode(status), command)
    return use.ru_utime, use.ru_stime, use.ru_minflt


def syscalls(command):
    """How many system calls the process makes (strace -c), or None."""
    if not shutil.which("strace"):
        return None
    with tempfile.NamedTemporaryFile("r") as counts:
        subprocess.run(["strace", "-f", "-c", "-o", counts.name] + command,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        total = [l for l in counts.read().splitlines() if l.rstrip().endswith("total")]
    return int(total[-1].split()[3]) if total else None


def import_phases(cli, work, old_cli=None, players=15000):
    """Where the time of the import of all twenty ratings goes: best of three,
    of this build's korvale-cli and then of old_cli's, when given."""
    base = compare.sample(cli, work, players, "Phases")
    table = os.path.join(work, "phases.csv")
    compare.ratings_table(cli, base, table)
    path = os.path.join(work, "Phases-copy.dbf")
    rows = ["| Import of all 20 ratings, %d players | CPU s | user s | system s | "
            "minor page faults | system calls |" % players, "|---|---:|---:|---:|---:|---:|"]
    builds = [(cli, "")] + ([(old_cli, ", before")] if old_cli else [])
    for (program, when), (title, extra) in itertools.product(builds, (
            ("reading the table and planning (`--dry-run`)", ["--dry-run"]),
            ("the whole import (journal, writes, flushes)", []))):
        title += when
        command = [program, "import"] + extra + [path, table]
        runs = []
        for _ in range(3):
            shutil.copyfile(base, path)
            runs.append(usage(command))
        user, system, faults = min(runs, key=lambda u: u[0] + u[1])
        shutil.copyfile(base, path)
        calls = syscalls(command)
        rows.append("| %s | %.3f | %.3f | %.3f | %d | %s |" % (
            title, user + system, user, system, faults, "-" if calls is None else calls))
    return rows


def ms(value):
    return "%.3f" % value if value < 1 else "%.1f" % value if value < 100 else "%.0f" % value


def editor_cell(times, name, size):
    cpu, wall = times.get((name, size), (float("nan"), float("nan")))
    return "%s (%s)" % (ms(cpu), ms(wall))


def editor_section(times, peaks, before=None, peaks_before=None):
    rows = ["| Command (ms, CPU; wall in brackets) | " + " | ".join("%d records" % s for s in SIZES)
            + " |", "|---|" + "---:|" * len(SIZES)]
    for name, title in BENCHES:
        cells = [editor_cell(times, name, size) for size in SIZES]
        if before is not None:
            cells = ["%s, before %s" % (c, editor_cell(before, name, s))
                     for c, s in zip(cells, SIZES)]
        rows.append("| %s | %s |" % (title, " | ".join(cells)))
    peak = ["%.0f (%.0f)" % (peaks[s][1], peaks[s][0]) for s in SIZES]
    if peaks_before:
        peak = ["%s, before %.0f (%.0f)" % (p, peaks_before[s][1], peaks_before[s][0])
                for p, s in zip(peak, SIZES)]
    rows.append("| peak memory of the editor (MB; before Select in brackets) | " +
                " | ".join(peak) + " |")
    return rows


def tool_rows(title, times):
    ours = times["korvale-cli"]
    cells = ["korvale-cli %.3f / %.3f" % (ours.cpu, ours.wall)]
    for tool, theirs in times.items():
        if tool != "korvale-cli":
            cells.append("%s %.3f / %.3f (**%.1f×**)" % (tool, theirs.cpu, theirs.wall,
                                                        theirs.cpu / ours.cpu))
    return "| %s | %s |" % (title, " | ".join(cells))


def cli_section(cli, work):
    rows = ["| Work | Seconds, CPU / wall (ratio: other tool's CPU time / korvale-cli's) |",
            "|---|---|"]
    for size in SIZES:
        rows.append(tool_rows("export to CSV, %d records" % size,
                              compare.export_rows(cli, work, size)))
    for size in SIZES[:2]:
        times, same = compare.import_ratings(cli, work, size)
        note = "" if same is None else " (same values)" if same else " (VALUES DIFFER)"
        rows.append(tool_rows("import of all 20 ratings, %d players%s" % (size, note), times))
    return rows


def machine():
    model = next((l.split(":", 1)[1].strip() for l in open("/proc/cpuinfo")
                  if l.startswith("model name")), platform.processor())
    load = open("/proc/loadavg").read().split()[:3]
    return "%s, %d cores, %s; load average %s when the run began" % (
        model, os.cpu_count(), platform.platform(), " ".join(load))


EDITOR_END = "## korvale-cli beside generic dBase tools"


def editor_part(build, cli, work, old=None, windows=None):
    """The lines of the editor's part, measured now (an older build's first)."""
    where = machine()
    on_wine = windows_timings(windows) if windows else None
    before = view_timings(old) if old else None
    peaks_before = peak_memory(old, cli, work) if old else None
    times = view_timings(build)
    peaks = peak_memory(build, cli, work)
    text = ["# Performance", "",
            "Generated by `make bench` (release build); do not edit by hand.", "",
            "Machine: " + where + ".", "",
            "## Editor (headless, in-process)", "",
            "Median of three runs of `bench/ViewBench.cpp` on rosters written by the",
            "benchmark (unique player ids up to 9,000). A commit is typing a value",
            "into an edit of record 0 and leaving it with Tab. Peak memory is the",
            "maximum resident set size of `bench/ViewPeak.cpp`, a headless editor",
            "that selects a `korvale-cli sample --players N` file, moves forward,",
            "picks a player from the list and closes the file.", ""]
    if old:
        text += ["Each cell gives this build's figures, then (\"before\") those of the",
                 "build in `%s`, measured just before on the same machine." % old, ""]
    text += editor_section(times, peaks, before, peaks_before)
    text += ["", "Targets: Select under 3 ms at 1,500 records, 20 ms at 15,000 and 150 ms",
             "at 150,000; a choice in the player list under 1 ms at 1,500 and 50 ms at",
             "150,000; a name commit under 150 ms at 150,000; a rating commit costs",
             "the same at any record count; peak memory under 96 MB at 150,000 records.",
             "A Select reads the records in blocks (`src/playerfile/RecordScan.h`); a",
             "choice in the player list fills the roster list again only for another",
             "team; a name commit reads the player list's entries afresh and moves the",
             "one entry that changed.", ""]
    if on_wine is not None:
        text += windows_section(on_wine)
    return text


def kept_editor_part(out_path):
    """The lines of the editor's part as OUT has them."""
    with open(out_path) as old:
        lines = old.read().split("\n")
    return lines[:lines.index(EDITOR_END)]


def cli_part(cli, work, note, old=None):
    """The lines of korvale-cli's part, measured now (with the import of the
    build in OLD beside it, when it has korvale-cli)."""
    old_cli = old and os.path.join(os.path.abspath(old), "src", "cli", "korvale-cli")
    if old_cli and not os.path.exists(old_cli):
        old_cli = None
    tools = cli_section(cli, work)
    phases = import_phases(cli, work, old_cli)
    memory = import_peaks(cli, work)
    text = [EDITOR_END, ""] + note + [
             "Whole processes on the same `korvale-cli sample` files (`bench/compare.py`).",
             "CPU time (user + system) is compared because the machine may be busy;",
             "wall time is shown beside it. Each export runs three times; the least",
             "CPU time counts (one run alone on a busy machine may take half as long",
             "again).", ""]
    text += tools
    text += ["", "Targets: export at least 10× faster than dbfread and no slower than",
             "dbview; import of all ratings at least 10× faster than python3-dbf, the",
             "lean script included. The full python3-dbf script works out each new",
             "rating from the stored one, as the table did; the lean one sets the",
             "twenty columns to a constant inside one `with record:` per record. Each",
             "import runs three times on fresh copies; the least CPU time counts.", "",
             "### Where an import's time goes", "",
             "An import appends its change set to the roster's history (about 4 MB",
             "here, flushed), writes a rollback journal (every changed field's offset,",
             "old and new bytes, a checksum; flushed with its folder), then the fields.",
             "Fields that lie near each other (less than 4 KiB apart, at most 64 KiB",
             "in all) are read at once and written with one positioned write, the",
             "bytes between them written back as they were read under the lock: the",
             "roster ends byte for byte as field-by-field writes leave it. A dry run",
             "reads the table and plans the changes without writing anything.", ""]
    text += phases
    if old_cli:
        text += ["", "The rows marked \"before\" are the korvale-cli of `%s`, on the same" % old,
                 "roster and table."]
    text += ["", "The difference between the dry run and the whole import is the",
             "history, the journal and the writes.",
             "What remains is reading and checking 300,000 cells and keeping the",
             "300,000 planned writes (offset, old and new bytes, 40 bytes each: about",
             "12 MB, asked of the system in large pages where it has them); the shown",
             "values before and after are kept only for `--verbose`. korvale-cli keeps",
             "a large block it lets go for the next that fits: the journal is laid out",
             "in the pages the change set used. The system time is mostly the",
             "history, the journal and the runs copied to the file system (about",
             "18 MB) and the first touch of the planned writes' pages.", "",
             "Sampled (perf, the same import): reading the table and checking and",
             "planning the 300,000 cells is about half (per cell: the value the file",
             "shows, the checks that may refuse it, its stored form), the change",
             "history's encoding and writing about a sixth, the journal and the",
             "roster's writes about a sixth, and starting the process about a",
             "twentieth.", "",
             "## Import memory", "",
             "Maximum resident set size (`/usr/bin/time -v`) of `korvale-cli import`",
             "applying a roster's own untouched export. The table is read a row at a",
             "time; memory grows only with the changed fields.", ""]
    text += memory
    text += ["", "Target: under 100 MB at 150,000 records.", ""]
    return text


def main():
    args = sys.argv[1:]
    cli_only = "--cli-only" in args
    args = [a for a in args if a != "--cli-only"]
    old = None
    if "--before" in args:
        at = args.index("--before")
        old = args[at + 1]
        del args[at:at + 2]
    windows = None
    if "--windows" in args:
        at = args.index("--windows")
        windows = args[at + 1]
        del args[at:at + 2]
    build = args[0] if len(args) > 0 else "build/release"
    out_path = args[1] if len(args) > 1 else "docs/PERFORMANCE.md"
    cli = os.path.abspath(os.path.join(build, "src", "cli", "korvale-cli"))
    note = ["Measured on its own (the editor's part is older): " + machine() + ".", ""]
    with tempfile.TemporaryDirectory() as work:
        # The change history of the rosters measured goes with them, not
        # into the user's own history folder.
        os.environ["KORVALE_HISTORY_DIR"] = os.path.join(work, "history")
        if cli_only:
            text = kept_editor_part(out_path) + cli_part(cli, work, note, old)
        else:
            text = editor_part(build, cli, work, old, windows) + cli_part(cli, work, [], old)
    with open(out_path, "w") as out:
        out.write("\n".join(text))
    print("wrote " + out_path)


if __name__ == "__main__":
    main()
