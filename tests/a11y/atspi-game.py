#!/usr/bin/python3
# The game as a screen reader hears it, over AT-SPI: the wall is an N x N table, the focused
# cell is named after every key, the hint, the computer's replies, the refused cell, the take
# back and the result arrive in events a screen reader speaks, and every control has a name.
# Run on an X display with a window manager, inside a private D-Bus session:
#   dbus-run-session -- /usr/bin/python3 tests/a11y/atspi-game.py GAME_BINARY
# The settings file must ask for no story and no sound. Prints PASS/FAIL; exits 1 on a failure.
import os
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

GAME = sys.argv[1]
failures = []
events = []  # (kind, detail, name, role) in the order they came


def check(ok, what):
    print(("PASS  " if ok else "FAIL  ") + what, flush=True)
    if not ok:
        failures.append(what)
        shot = os.path.join(os.environ.get("E2E_DIR", "."), f"failure-{len(failures)}.png")
        subprocess.run(["import", "-window", "root", shot], capture_output=True)
    return ok


def on_event(event):
    try:
        name, role = event.source.get_name(), event.source.get_role_name()
    except GLib.Error:
        name, role = "", ""
    events.append((event.type, event.detail1, name, role))


def pump(seconds, until=lambda: False):
    """Runs the event loop until `until()` holds or the time is up; returns whether it held."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        if until():
            return True
        time.sleep(0.02)
    return until()


def focused_names(since):
    return [n for kind, d, n, role in events[since:] if kind.endswith("focused") and d == 1 and role == "table cell"]


def spoken(since):
    """What came through the notification since event number `since`."""
    return [n for kind, d, n, role in events[since:] if kind.endswith("showing") and d == 1 and role == "notification"]


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "80", *keys], check=True)


def wait_focus(since, pattern, seconds=20):
    found = pump(seconds, lambda: any(re.fullmatch(pattern, n) for n in focused_names(since)))
    return found, focused_names(since)


def wait_said(since, pattern, seconds=30):
    found = pump(seconds, lambda: any(re.search(pattern, n) for n in spoken(since)))
    return found, spoken(since)


# Assistive technology on, and the listener registered, before the game starts.
bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
              GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled", GLib.Variant("b", True))),
              None, Gio.DBusCallFlags.NONE, -1, None)
Atspi.init()
listener = Atspi.EventListener.new(on_event)
for kind in ("object:state-changed:focused", "object:state-changed:showing"):
    listener.register(kind)

UNNAMED_OK = {"filler", "panel", "table cell", "separator", "scroll bar", "unknown", "redundant object",
              "notification", "label", "window", "menu bar", "invalid"}


def unnamed_controls(node, path="", seen=None):
    """Controls without a name, below `node`; the wall's cells are checked on their own."""
    out = []
    try:
        role, name, count = node.get_role_name(), node.get_name(), node.get_child_count()
    except GLib.Error:
        return out
    here = f"{path}/{role}"
    if not name and role not in UNNAMED_OK:
        out.append(here)
    if role == "table":
        return out
    for i in range(min(count, 200)):
        child = node.get_child_at_index(i)
        if child is not None:
            out += unnamed_controls(child, here)
    return out


def find(node, want, depth=0):
    try:
        if want(node):
            return node
        if node.get_role_name() == "table" or depth > 12:
            return None
        children = [node.get_child_at_index(i) for i in range(node.get_child_count())]
    except GLib.Error:  # gone while it was looked at
        return None
    for child in children:
        hit = child and find(child, want, depth + 1)
        if hit:
            return hit
    return None


def application(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except GLib.Error:
            pass
    return None


def menu(letter, item):
    """Opens a menu with Alt+letter, waits for it to show, then picks the item by its letter."""
    since = len(events)
    key("alt+" + letter)
    pump(10, lambda: any(k.endswith("showing") and d == 1 and r in ("menu", "popup menu")
                         for k, d, n, r in events[since:]))
    key(item)


def active(node):
    try:
        return node.get_state_set().contains(Atspi.StateType.ACTIVE)
    except GLib.Error:
        return False


def dialog(app, title):
    return find(app, lambda n: n.get_role_name() == "dialog" and n.get_name() == title)


def dialogs(app, main):
    """The options, the record and the about box: every control named, the values read."""
    menu("g", "o")
    pump(10, lambda: dialog(app, "Options") is not None)
    options = dialog(app, "Options")
    if check(options is not None, "the options dialog opens"):
        missing = unnamed_controls(options)
        check(not missing, f"every control of the options dialog has a name: {missing}")
        spin = find(options, lambda n: n.get_role_name() == "spin button")
        value = lambda: Atspi.Value.get_current_value(spin)  # noqa: E731
        check(spin is not None and spin.get_name() == "Size of the wall" and value() == 8,
              f"the wall size is a spin button 'Size of the wall' at 8: {spin and (spin.get_name(), value())}")
        key("alt+w", "Up")
        check(spin is not None and pump(10, lambda: value() == 9), "Up makes it 9")
        key("Down")
        check(spin is not None and pump(10, lambda: value() == 8), "Down makes it 8 again")
        key("Escape")
    pump(10, lambda: dialog(app, "Options") is None and active(main()))
    menu("g", "d")
    pump(10, lambda: dialog(app, "Record") is not None)
    record = dialog(app, "Record")
    if check(record is not None, "the record dialog opens"):
        counts = []
        find(record, lambda n: counts.append(n.get_name()) and False)
        counts = [c for c in counts if re.search(r": \d+$", c)]
        check(len(counts) == 18 and "very easy, Won: 0" in counts and "master, Lost: 0" in counts, f"the record's counts read with their numbers: {counts}")
        missing = unnamed_controls(record)
        check(not missing, f"every control of the record dialog has a name: {missing}")
        key("Escape")
    pump(10, lambda: dialog(app, "Record") is None and active(main()))
    menu("h", "a")
    pump(10, lambda: dialog(app, "About Splotchery") is not None)
    about = dialog(app, "About Splotchery")
    if check(about is not None, "the about box opens"):
        missing = unnamed_controls(about)
        check(not missing, f"the about box has no unnamed pictures: {missing}")
    pump(10, lambda: dialog(app, "About Splotchery") is None and active(main()))


def play(size, language, whole_game):
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
               LANGUAGE=language, LANG="de_DE.UTF-8" if language == "de" else "C.UTF-8")
    ini = os.path.join(os.environ["XDG_CONFIG_HOME"], "splotchery", "splot.ini")
    with open(ini, "w", encoding="utf-8", newline="\r\n") as f:
        f.write(f"[Einstellungen]\nFeld={size}\nText=0\nSound=0\nTips=1\nComputer=-1\nSpielstärke=0\n"
                "[Window]\nStatus=0\nLeft=1500\nTop=1500\nWidth=9600\nHeight=6900\n")
    game = subprocess.Popen([GAME], env=env)
    tag = f"{size}x{size} {language}:"
    try:
        pump(30, lambda: application(game.pid) is not None)
        app = application(game.pid)
        if not check(app is not None, f"{tag} the game is on the AT-SPI bus"):
            return
        main = lambda: find(app, lambda n: n.get_role_name() == "frame" and n.get_name().startswith("Splotchery"))  # noqa
        pump(30, lambda: main() is not None and subprocess.run(
            ["xdotool", "search", "--name", "^About"], capture_output=True).returncode != 0)
        window = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(game.pid)],
                                capture_output=True, text=True).stdout.split()
        for w in window:
            subprocess.run(["xdotool", "windowactivate", "--sync", w], capture_output=True)
        start = len(events)
        key("ctrl+s")
        middle = size // 2 + 1
        empty = "leer" if language == "de" else "empty"
        # The middle cell, or the computer's first splot.
        first = f"({chr(64 + middle)}{middle}, {empty}|[A-Z]+\\d+, (red|rot))"
        found, names = wait_focus(start, first, 40)
        check(found, f"{tag} a new game focuses the middle cell {first!r}: {names}")
        wall = find(main(), lambda n: n.get_role_name() == "table")
        if not check(wall is not None, f"{tag} the wall is a table"):
            return
        table = wall
        check((Atspi.Table.get_n_rows(table), Atspi.Table.get_n_columns(table)) == (size, size),
              f"{tag} the table has {size} rows and {size} columns")
        wall_name = f"Wand, {size} mal {size}" if language == "de" else f"Wall, {size} by {size}"
        check(wall.get_name() == wall_name, f"{tag} the wall is named {wall.get_name()!r}")
        cell = Atspi.Table.get_accessible_at(table, 2, 3)
        check(cell is not None and cell.get_name().startswith("D3, "), f"{tag} the cell at row 3, column D is D3")
        missing = unnamed_controls(main())
        check(not missing, f"{tag} every control of the main window has a name: {missing}")
        # The computer may begin; then its move and the turn are said.
        pump(30, lambda: any("Pelko" in s for s in spoken(start)))
        check(any("Pelko" in s for s in spoken(start)), f"{tag} the turn is said: {spoken(start)}")
        if language == "de":
            return
        for keys, pattern in ((["Home"], "A1, .*"), (["Right"], "B1, .*"), (["Down"], "B2, .*"),
                              (["End"], f"{chr(64 + size)}{size}, .*")):
            since = len(events)
            key(*keys)
            found, names = wait_focus(since, pattern, 10)
            check(found, f"{tag} {keys[0]} focuses {pattern!r}: {names}")
        since = len(events)
        key("t")
        found, said = wait_said(since, r"Pelko's turn, move \d+\.", 10)
        check(found, f"{tag} T says whose turn: {said}")
        if not whole_game:
            return
        if size == 8:
            dialogs(app, main)
        moves, result, refused, taken_back = 0, None, False, False
        while result is None and moves < size * size:
            since = len(events)
            key("ctrl+t")
            found, said = wait_said(since, r"Hint: [A-Z]+\d+\.", 20)
            hint = re.search(r"Hint: ([A-Z]+\d+)\.", " ".join(said))
            if not check(found and hint, f"{tag} the hint is said: {said}"):
                return
            found, names = wait_focus(since, hint.group(1) + ", empty", 10)
            check(found, f"{tag} the hint focuses its cell: {names}")
            since = len(events)
            key("Return")
            moves += 1
            found, said = wait_said(since, r"Computer played [A-Z]+\d+\.|won: five in a row|draw", 60)
            check(found, f"{tag} move {moves}: the reply or the result is said: {said}")
            pump(60, lambda: any(re.search(r"won|draw|Pelko's turn", s) for s in spoken(since)))
            text = " ".join(spoken(since))
            result = re.search(r"(\w+) won: five in a row from ([A-Z]+\d+) to ([A-Z]+\d+)\.", text) \
                or re.search(r"draw", text)
            reply = re.search(r"Computer played ([A-Z]+\d+)\.", text)
            if reply and not result:
                found, names = wait_focus(since, reply.group(1) + ", red", 10)
                check(found, f"{tag} the computer's reply focuses {reply.group(1)}: {names}")
            if reply and not result and not refused:
                refused = True
                since2 = len(events)
                key("Return")  # the cursor stands on the computer's splot
                found, said = wait_said(since2, reply.group(1) + " is taken.", 10)
                check(found, f"{tag} a refused cell is said: {said}")
            if reply and not result and moves == 2 and not taken_back:
                taken_back = True
                since2 = len(events)
                key("ctrl+z")
                found, said = wait_said(since2, r"Taken back: [A-Z]+\d+ and " + reply.group(1) + r"\.", 20)
                check(found, f"{tag} a take back is said: {said}")
        check(result is not None, f"{tag} the result is said with the line's ends: {spoken(0)[-3:]}")
    finally:
        game.terminate()
        try:
            game.wait(10)
        except subprocess.TimeoutExpired:
            game.kill()


play(15, "en", False)
play(8, "en", True)
play(8, "de", False)
print(f"a11y: {'all passed' if not failures else str(len(failures)) + ' failed'}", flush=True)
sys.exit(1 if failures else 0)
