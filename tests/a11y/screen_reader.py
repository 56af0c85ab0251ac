#!/usr/bin/python3
"""What a screen reader hears from the editor, read through AT-SPI.

Usage: screen_reader.py KORVALE KORVALE_CLI WORK_FOLDER

Runs inside a private session bus (dbus-run-session) with DISPLAY on a
private X server: scripts/test-a11y starts both. Starts the accessibility
bus and the editor on them, and reads through libatspi, as a screen reader
does from outside the process: the tool bar's buttons, a roster selected
with them, every drop-down list's name (the entry it shows) and its label
(the labelled-by relation, or the description of the two lists that have
no label on the form), and the player list's entry after a pick in the
roster list. Ends everything it started. Prints one line per check and
"N passed, M failed" last; exits 1 when a check failed.
"""
import os
import signal
import subprocess
import sys
import time
from pathlib import Path

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
WAIT_SECONDS = 60
PLAYERS = 30

# The drop-down lists of the pages by the label the labelled-by relation
# gives; each shows what korvale-cli shows under the same label (School is
# a list with no entries).
LABELLED = ["School", "Hand", "Position", "Position 2", "Original Team", "Skin Color",
            "BodyType", "Player Type", "Hairstyle", "Facial Hair", "Accessories"]
TOOL_BAR = ["Select Player File", "Previous Record", "Next Record", "About"]
LISTENED = ["object:property-change:accessible-name", "object:value-changed"]


class Failure(Exception):
    pass


class Checks:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def expect(self, what, got, want):
        if got == want:
            self.passed += 1
            print(f"ok      {what}: {got!r}")
        else:
            self.failed += 1
            print(f"FAILED  {what}: {got!r}, expected {want!r}")


def wait_for(what, probe):
    """probe() until it gives something, on a deadline; fails after it."""
    deadline = time.monotonic() + WAIT_SECONDS
    while True:
        try:
            found = probe()
        except GLib.Error:  # what it looked at went away meanwhile
            found = None
        if found:
            return found
        if time.monotonic() > deadline:
            raise Failure(f"no {what} after {WAIT_SECONDS} s")
        # Let libatspi take the events it was sent; then look again.
        GLib.MainContext.default().iteration(False)
        time.sleep(0.05)


def has_owner(name):
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                          "org.freedesktop.DBus", "NameHasOwner",
                          GLib.Variant("(s)", (name,)), None,
                          Gio.DBusCallFlags.NONE, -1, None)
    return reply.unpack()[0]


def children(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield child


def descendants(node, role, limit=4000):
    """Every descendant of the role, depth first, not into what it finds."""
    found, stack = [], [node]
    while stack and limit > 0:
        limit -= 1
        for child in reversed(list(children(stack.pop()))):
            if child.get_role() == role:
                found.append(child)
            else:
                stack.append(child)
    return found


def find(node, role, name):
    return next((n for n in descendants(node, role) if n.get_name() == name), None)


def labelled_by(node):
    names = []
    for relation in node.get_relation_set():
        if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
            for i in range(relation.get_n_targets()):
                names.append(relation.get_target(i).get_name().rstrip(":"))
    return names


def do_action(node, action):
    names = []
    if "Action" in node.get_interfaces():
        names = [node.get_action_name(i) for i in range(node.get_n_actions())]
    if action not in names:
        raise Failure(f"{node.get_name()!r} offers {names}, not {action}")
    node.do_action(names.index(action))


def cli_fields(cli, roster, record):
    """The record's fields as korvale-cli shows them, by label, and its
    first line under "Record"."""
    out = subprocess.run([cli, "show", str(roster), "--record", str(record)],
                         check=True, capture_output=True, text=True).stdout
    fields = {"Record": out.splitlines()[0]}  # record N (id ID)
    for line in out.splitlines():
        label, colon, value = line.partition(":")
        if colon:
            fields[label.strip()] = value.strip()
    return fields


class Session:
    """The accessibility bus and the editor, ended by their process ids."""

    def __init__(self, korvale, folder):
        self.processes = []
        self.korvale, self.folder = korvale, folder

    def start_bus(self):
        self.processes.append(subprocess.Popen(
            [BUS_LAUNCHER, "--launch-immediately"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        wait_for("accessibility bus", lambda: has_owner("org.a11y.Bus"))

    def start_editor(self):
        runtime = self.folder / "runtime"
        runtime.mkdir(mode=0o700, exist_ok=True)
        env = dict(os.environ, QT_QPA_PLATFORM="xcb",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   XDG_RUNTIME_DIR=str(runtime),
                   XDG_CONFIG_HOME=str(self.folder / "config"))
        with open(self.folder / "korvale.log", "wb") as log:
            self.processes.append(subprocess.Popen(
                [self.korvale], cwd=self.folder, env=env,
                stdout=log, stderr=subprocess.STDOUT))

    def editor_running(self):
        editor = self.processes[-1]
        if editor.poll() is None:
            return True
        log = (self.folder / "korvale.log").read_text(errors="replace")
        raise Failure(f"the editor ended with {editor.returncode}: {log.strip()}")

    def end(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.send_signal(signal.SIGTERM)
            try:
                process.wait(timeout=WAIT_SECONDS)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()


def called(combo):
    """A drop-down list by its labels, or its description in brackets."""
    return " + ".join(labelled_by(combo)) or f"({combo.get_description()})"


def heard_lists(app):
    """Each drop-down list's name (the entry it shows), by what calls it."""
    return {called(combo): combo.get_name()
            for combo in descendants(app, Atspi.Role.COMBO_BOX)}


def tool_bar_buttons(app):
    bars = descendants(app, Atspi.Role.TOOL_BAR)
    while bars and not any(c.get_role() == Atspi.Role.PUSH_BUTTON for c in children(bars[0])):
        bars = descendants(bars[0], Atspi.Role.TOOL_BAR) + bars[1:]
    if not bars:
        raise Failure("no tool bar with buttons")
    return list(children(bars[0]))


def button_states(buttons):
    return [(b.get_name(), b.get_state_set().contains(Atspi.StateType.SENSITIVE))
            for b in buttons]


def select_roster(checks, app, select):
    """Select on the tool bar, then Open in the file dialog."""
    do_action(select, "Press")
    dialog = wait_for("file dialog", lambda: next(
        (w for w in children(app) if w.get_role() == Atspi.Role.DIALOG), None))
    checks.expect("file dialog's filter",
                  [c.get_name() for c in descendants(dialog, Atspi.Role.COMBO_BOX)][:1],
                  ["Courtline '98 Player Data Files"])
    do_action(wait_for("Open button", lambda: find(dialog, Atspi.Role.PUSH_BUTTON, "Open")),
              "Press")


def pick_in_roster(checks, app, players, told):
    """The second entry of the roster list picked (as a screen reader's
    user does, by its action): the player list shows that player."""
    roster = find(app, Atspi.Role.LIST, "Roster")
    if roster is None:
        raise Failure("no list called \"Roster\"")
    entries = list(children(roster))
    if len(entries) < 2:
        raise Failure(f"the roster list has {len(entries)} entries")
    before = players.get_name()
    # A roster entry is the player list's entry after its roster slot.
    shown = [entry.get_name().partition("|")[2].strip() for entry in entries]
    told.clear()
    do_action(entries[1], "Toggle")
    after = wait_for("player list following the roster list",
                     lambda: players.get_name() if players.get_name() != before else None)
    checks.expect("player list after a pick in the roster list", after, shown[1])
    wait_for("name change of the player list", lambda: "(Player list)" in told)
    checks.expect("name changes told", told.get("(Player list)"), after)


def listen(told):
    """Notes the drop-down lists whose name changes, as a screen reader
    listens for it to say the new entry without being asked. Qt tells a
    drop-down list's new name only to a reader that listens for changed
    values too, as Orca does. Listening before the editor starts: it learns
    what is listened to as it starts."""
    def heard(event):
        try:
            if event.source and event.source.get_role() == Atspi.Role.COMBO_BOX:
                told[called(event.source)] = event.source.get_name()
        except GLib.Error:
            pass  # an object that went away before it was asked, as a popup does
    listener = Atspi.EventListener.new(heard)
    for kind in LISTENED:
        listener.register(kind)
    return listener


def run(checks, session, fields):
    Atspi.init()
    desktop = Atspi.get_desktop(0)
    told = {}
    listener = listen(told)
    session.start_editor()

    def editor():
        session.editor_running()
        return next((a for a in children(desktop) if a.get_name() == "Korvale"), None)

    app = wait_for("editor on the accessibility bus", editor)
    buttons = wait_for("tool bar", lambda: tool_bar_buttons(app))
    checks.expect("tool bar, no roster", button_states(buttons),
                  [(name, name in ("Select Player File", "About")) for name in TOOL_BAR])
    checks.expect("drop-down lists, no roster", set(heard_lists(app).values()), {""})

    select_roster(checks, app, buttons[0])
    players = wait_for("roster selected", lambda: next(
        (c for c in descendants(app, Atspi.Role.COMBO_BOX)
         if c.get_description() == "Player list" and c.get_name()), None))
    checks.expect("tool bar, roster selected", button_states(buttons),
                  [(name, name in ("Next Record", "About")) for name in TOOL_BAR])

    want = {label: fields.get(label, "") for label in LABELLED}
    want["(Team)"] = fields["Team"]
    # The player id as the file holds it, spaces before it: compared by words.
    player_id = fields["Record"].split("(id ")[1].rstrip(")")
    want["(Player list)"] = f"{fields['Last Name']}, {fields['First Name']}, {player_id}"
    heard = heard_lists(app)
    heard["(Player list)"] = " ".join(heard.get("(Player list)", "").split())
    for called in sorted(set(heard) | set(want)):
        checks.expect(f"drop-down list {called}", heard.get(called), want.get(called))
    pick_in_roster(checks, app, players, told)
    for kind in LISTENED:
        listener.deregister(kind)


def main():
    if len(sys.argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    korvale, cli, folder = (Path(argument).resolve() for argument in sys.argv[1:])
    folder.mkdir(parents=True, exist_ok=True)
    roster = folder / "Players.dbf"
    subprocess.run([cli, "sample", "--force", "--players", str(PLAYERS), str(roster)],
                   check=True, stdout=subprocess.DEVNULL)
    # Read before the editor holds the roster, which it shares with nobody.
    fields = cli_fields(cli, roster, 0)
    checks = Checks()
    session = Session(korvale, folder)
    try:
        session.start_bus()
        run(checks, session, fields)
    except (Failure, GLib.Error) as failure:
        checks.failed += 1
        print(f"FAILED  {failure}")
    finally:
        session.end()
    print(f"{checks.passed} passed, {checks.failed} failed")
    return 1 if checks.failed else 0


if __name__ == "__main__":
    sys.exit(main())
