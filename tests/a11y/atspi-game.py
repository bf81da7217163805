#!/usr/bin/python3
# The game as a screen reader hears it, over AT-SPI: the wall is an N x N table, the focused
# cell is named after every key, the hint, the computer's replies, the refused cell, the take
# back and the result arrive in events a screen reader speaks, and every control has a name.
# Run on an X display with a window manager, inside a private D-Bus session:
#   dbus-run-session -- /usr/bin/python3 tests/a11y/atspi-game.py GAME_BINARY
# Prints PASS/FAIL; exits 1 on a failure (with a screenshot in $E2E_DIR).
import os
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

GAME = sys.argv[1]
CELL, SAID = "table cell", "notification"  # a focused cell; a sentence the label says
UNNAMED_OK = {"filler", "panel", "table cell", "separator", "scroll bar", "unknown", "redundant object",
              "notification", "label", "window", "menu bar", "invalid"}
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
    events.append((event.type, event.detail1) + about(event.source)[::-1])


def pump(seconds, until):
    """Runs the event loop until `until()` holds or the time is up; returns what it last gave."""
    end = time.monotonic() + seconds
    while not until() and time.monotonic() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.02)
    return until()


def heard(since, role):
    """The cells focused (CELL) or the sentences said (SAID) since event number `since`."""
    state = "focused" if role == CELL else "showing"
    return [n for kind, d, n, r in events[since:] if d == 1 and r == role and kind.endswith(state)]


def key(*keys):
    since = len(events)
    subprocess.run(["xdotool", "key", "--delay", "80", *keys], check=True)
    return since


def expect(since, role, pattern, what, seconds=20):
    """Waits until a cell focused or a sentence said since `since` matches; checks; returns the match.
    A draw offer on the way (a question box titled Splotchery) is answered No, as a player would."""
    offers = []

    def match():
        answer(since, "Splotchery", offers, "alt+n")
        return next(filter(None, (re.search(pattern, n) for n in heard(since, role))), None)

    check(pump(seconds, match) is not None, f"{what}: {heard(since, role)}")
    return match()


def answer(since, title, answered, keys):
    """A question box titled `title` shown since `since` and not yet answered gets the keys."""
    if sum(r in ("dialog", "alert") and n == title for n, r in shown(since)) > len(answered):
        print(f"-- the question {title} answered by {keys}", flush=True)
        answered.append(key(keys))
    return True


def shown(since):
    return [(n, r) for kind, d, n, r in events[since:] if d == 1 and kind.endswith("showing")]


def alive(ask, otherwise):
    """What `ask()` gives, or `otherwise` when what it asks about went away meanwhile."""
    try:
        return ask()
    except GLib.Error:
        return otherwise


def about(node):
    return alive(lambda: (node.get_role_name(), node.get_name()) if node else ("", ""), ("", ""))


def nodes(node, depth=0):
    """`node` and all below it; the wall's cells are left out (they are checked on their own)."""
    yield node
    if about(node)[0] == "table" or depth > 12:
        return
    children = alive(lambda: [node.get_child_at_index(i) for i in range(min(node.get_child_count(), 200))], [])
    for child in filter(None, children):
        yield from nodes(child, depth + 1)


def find(node, want):
    return next((n for n in nodes(node) if want(*about(n))), None)


def unnamed(node):
    return [role for role, name in map(about, nodes(node)) if not name and role not in UNNAMED_OK]


def application(pid):
    desktop = Atspi.get_desktop(0)
    apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
    return alive(lambda: next((a for a in filter(None, apps) if a.get_process_id() == pid), None), None)


def state(node, which):
    return alive(lambda: node is not None and node.get_state_set().contains(which), False)


def dialog(app, main, menu, title, body=lambda box: None, close=("Escape",)):
    """Opens a dialog by the menu's keys, checks it and that every control in it has a name, closes it."""
    since = key("alt+" + menu[0])
    menus = lambda: [d for k, d, n, r in events[since:] if k.endswith("showing") and r == "popup menu"]  # noqa
    check(pump(5, lambda: menus()) and not pump(0.5, lambda: 0 in menus()), f"the menu for {title} opens and stays")
    key(menu[1])
    box = pump(20, lambda: find(app, lambda r, n: r == "dialog" and n == title))
    if check(box is not None, f"the dialog {title} opens"):
        check(not unnamed(box), f"every control of {title} has a name: {unnamed(box)}")
        body(box)
        since = key(*close) if close else len(events)
    # A closed dialog stays in the tree, hidden; the keys go back to the game's window. A changed
    # setting in the middle of a game asks whether to start a new one: Yes.
    asked = []
    check(pump(10, lambda: answer(since, "Start", asked, "alt+y") and not state(box, Atspi.StateType.SHOWING)
               and state(main(), Atspi.StateType.ACTIVE)),
          f"{title} closes and the game's window is active again")


def activate(pid):
    windows = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                             capture_output=True, text=True).stdout.split()
    for w in windows:
        subprocess.run(["xdotool", "windowactivate", "--sync", w], capture_output=True)


def options(box):
    spin = find(box, lambda r, n: r == "spin button")
    value = lambda: spin and Atspi.Value.get_current_value(spin)  # noqa: E731
    check(about(spin)[1] == "Size of the wall" and value() == 8, f"the wall size is a spin button at 8: {value()}")
    key("alt+w", "Up")
    check(pump(10, lambda: value() == 9), "Up makes it 9")
    key("Down")
    check(pump(10, lambda: value() == 8), "Down makes it 8 again")


def record(box):
    counts = [n for r, n in map(about, nodes(box)) if re.search(r": \d+$", n)]
    check(len(counts) == 18 and "very easy, Won: 0" in counts and "master, Lost: 0" in counts,
          f"the record's counts read with their numbers: {counts}")


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
        app = pump(30, lambda: application(game.pid))
        if not check(app is not None, f"{tag} the game is on the AT-SPI bus"):
            return
        main = lambda: find(app, lambda r, n: r == "frame" and n.startswith("Splotchery"))  # noqa: E731
        pump(30, lambda: main() and subprocess.run(["xdotool", "search", "--name", "^About"],
                                                            capture_output=True).returncode)
        activate(game.pid)
        start = key("ctrl+s")
        middle = f"{chr(64 + size // 2 + 1)}{size // 2 + 1}, {'leer' if language == 'de' else 'empty'}"
        expect(start, CELL, f"^({middle}|[A-Z]+\\d+, (red|rot))$", f"{tag} a new game focuses {middle}", 40)
        wall = find(main(), lambda r, n: r == "table")
        if not check(wall is not None, f"{tag} the wall is a table"):
            return
        check((Atspi.Table.get_n_rows(wall), Atspi.Table.get_n_columns(wall)) == (size, size),
              f"{tag} the table has {size} rows and {size} columns")
        name = f"Wand, {size} mal {size}" if language == "de" else f"Wall, {size} by {size}"
        check(wall.get_name() == name, f"{tag} the wall is named {wall.get_name()!r}")
        check(about(Atspi.Table.get_accessible_at(wall, 2, 3))[1].startswith("D3, "), f"{tag} row 3, column D is D3")
        check(not unnamed(main()), f"{tag} every control of the main window has a name: {unnamed(main())}")
        expect(start, SAID, "Pelko", f"{tag} the turn is said", 30)  # (after the computer's move if it begins)
        if language == "de":
            return
        for keys, cell in (("Home", "A1"), ("Right", "B1"), ("Down", "B2"), ("End", f"{chr(64 + size)}{size}")):
            expect(key(keys), CELL, f"^{cell}, ", f"{tag} {keys} focuses {cell}", 10)
        expect(key("t"), SAID, r"Pelko's turn, move \d+\.", f"{tag} T says whose turn", 10)
        if not whole_game:
            return
        since = len(events)
        dialog(app, main, "go", "Options", options)
        expect(since, CELL, f"^({middle}|[A-Z]+\\d+, red)$", f"{tag} the changed setting starts a new game", 30)
        dialog(app, main, "gd", "Record", record)
        dialog(app, main, "ha", "About Splotchery", close=())  # it goes by itself
        moves, result = 0, None
        while result is None and moves < size * size:
            since = key("ctrl+t")
            hint = expect(since, SAID, r"Hint: ([A-Z]+\d+)\.", f"{tag} the hint is said")
            if not hint:
                return
            expect(since, CELL, f"^{hint.group(1)}, empty$", f"{tag} the hint focuses its cell", 10)
            since = key("Return")
            moves += 1
            expect(since, SAID, r"Computer played [A-Z]+\d+\.|won: five in a row|draw", f"{tag} move {moves}", 60)
            pump(60, lambda: any(re.search(r"won|draw|Pelko's turn", s) for s in heard(since, SAID)))
            text = " ".join(heard(since, SAID))
            result = re.search(r"(\w+) won: five in a row from ([A-Z]+\d+) to ([A-Z]+\d+)\.|draw", text)
            reply = re.search(r"Computer played ([A-Z]+\d+)\.", text)
            if reply and not result:
                expect(since, CELL, f"^{reply.group(1)}, red", f"{tag} the computer's reply is focused", 10)
            if reply and not result and moves == 1:  # the cursor stands on the computer's splot
                expect(key("Return"), SAID, reply.group(1) + " is taken.", f"{tag} a refused cell is said", 10)
            if reply and not result and moves == 2:
                expect(key("ctrl+z"), SAID, rf"Taken back: [A-Z]+\d+ and {reply.group(1)}\.", f"{tag} a take back")
        check(result is not None, f"{tag} the result is said with the line's ends: {heard(0, SAID)[-3:]}")
    finally:
        game.terminate()
        try:
            game.wait(10)
        except subprocess.TimeoutExpired:
            game.kill()


# Assistive technology on, and the listener registered, before the game starts.
bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
              GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled", GLib.Variant("b", True))),
              None, Gio.DBusCallFlags.NONE, -1, None)
Atspi.init()
listener = Atspi.EventListener.new(on_event)
for kind in ("object:state-changed:focused", "object:state-changed:showing"):
    listener.register(kind)
play(15, "en", False)
play(8, "en", True)
play(8, "de", False)
print(f"a11y: {'all passed' if not failures else str(len(failures)) + ' failed'}", flush=True)
sys.exit(1 if failures else 0)
