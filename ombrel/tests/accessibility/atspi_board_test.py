#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Ombrel developers
"""The game's board as a screen reader sees it, through AT-SPI for real.

Starts everything it needs itself, as CI has no display and no session: a
private D-Bus session (dbus-run-session), an X server (Xvfb on a free display),
the accessibility bus (at-spi-bus-launcher) and the game with its AT-SPI bridge
forced on. Then, as a screen-reader client: lists the twelve houses and the two
stores with their counts, presses house 0 through its accessible action, and
reads the new counts and the status line, listening for the name changes that
announce them.

Usage: atspi_board_test.py GAME-EXECUTABLE
Ends within a minute in every case and stops what it started.
"""

import os
import re
import select
import shutil
import signal
import subprocess
import sys
import time

# Bounds that only end a run that hangs: a passing run returns as soon as
# each awaited thing is there, however slow or loaded the machine.
OUTER_TIMEOUT = 540  # seconds for the whole test
INNER_DEADLINE = 500
XVFB_DEADLINE = 120
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
HOUSE = re.compile(r"^Player ([12])'s house, seeds: (\d+)$")
STORE = re.compile(r"^Player ([12])'s captured groups: (\d+)$")
# The opening move from house 0, as the rules sow it (relays included).
AFTER_HOUSE_0 = [2, 7, 1, 6, 1, 6, 6, 6, 0, 1, 6, 6]


def fail(message):
    print("FAIL: " + message, flush=True)
    sys.exit(1)


def require_programs():
    missing = [p for p in ("Xvfb", "dbus-run-session") if shutil.which(p) is None]
    if not os.access(BUS_LAUNCHER, os.X_OK):
        missing.append(BUS_LAUNCHER)
    if missing:
        fail("missing " + ", ".join(missing) + " (scripts/deps installs them)")
    try:
        import pyatspi  # noqa: F401  pylint: disable=import-outside-toplevel,unused-import
    except ImportError as error:
        fail("python3-pyatspi is missing (scripts/deps installs it): %s" % error)


def outer(game):
    """Runs the test again inside a private D-Bus session, bounded in time."""
    require_programs()
    if not os.access(game, os.X_OK):
        fail("no game at " + game)
    env = dict(os.environ, OMBREL_ATSPI_INNER="1")
    child = subprocess.Popen(
        ["dbus-run-session", "--", sys.executable, os.path.abspath(__file__), game],
        env=env, start_new_session=True)
    try:
        return child.wait(timeout=OUTER_TIMEOUT)
    except subprocess.TimeoutExpired:
        os.killpg(child.pid, signal.SIGKILL)
        child.wait()
        fail("did not end within %d s" % OUTER_TIMEOUT)
    return 1


class Started:
    """The processes this test started, stopped in reverse order."""

    def __init__(self):
        self.processes = []
        self.fds = []

    def keep_open(self, fd):
        self.fds.append(fd)

    def start(self, argv, **kwargs):
        process = subprocess.Popen(argv, start_new_session=True, **kwargs)
        self.processes.append(process)
        return process

    def stop_all(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                    process.wait(timeout=5)
                except (ProcessLookupError, subprocess.TimeoutExpired):
                    try:
                        os.killpg(process.pid, signal.SIGKILL)
                    except ProcessLookupError:
                        pass
                    process.wait()
        for fd in self.fds:
            os.close(fd)


def start_display(started):
    """Xvfb on a display number it picks itself (-displayfd).

    The number comes as a line, possibly in pieces; the pipe stays open while
    the server runs, as a server writes to it again when it starts afresh."""
    read_end, write_end = os.pipe()
    started.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                   "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,),
                  stdout=subprocess.DEVNULL)
    os.close(write_end)
    started.keep_open(read_end)
    line = b""
    until = time.monotonic() + XVFB_DEADLINE
    while not line.endswith(b"\n"):
        ready, _, _ = select.select([read_end], [], [], max(0, until - time.monotonic()))
        if not ready:
            fail("Xvfb did not start within %d s" % XVFB_DEADLINE)
        piece = os.read(read_end, 32)
        if not piece:
            fail("Xvfb ended before it gave its display number")
        line += piece
    number = line.decode().strip()
    if not number.isdigit():
        fail("Xvfb gave no display number")
    return ":" + number


def wait_for(what, test, deadline, pump):
    while time.monotonic() < deadline:
        pump()
        value = test()
        if value:
            return value
        time.sleep(0.05)
    fail("timed out waiting for " + what)
    return None


def find_board(app):
    import pyatspi  # pylint: disable=import-outside-toplevel
    return pyatspi.findDescendant(
        app, lambda n: n is not None and n.name == "Board" and n.childCount == 14)


def read_board(board):
    houses = []
    for i in range(12):
        name = board.getChildAtIndex(i).name
        match = HOUSE.match(name or "")
        if not match:
            fail("house %d is named %r" % (i, name))
        houses.append((int(match.group(1)), int(match.group(2))))
    stores = []
    for i in (12, 13):
        name = board.getChildAtIndex(i).name
        match = STORE.match(name or "")
        if not match:
            fail("store %d is named %r" % (i - 12, name))
        stores.append((int(match.group(1)), int(match.group(2))))
    return houses, stores


def press(house_node):
    action = house_node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail("house has no Press action, only %r" % names)
    action.doAction(names.index("Press"))


def inner(game):
    signal.alarm(INNER_DEADLINE + 5)  # a last guard should a call hang
    deadline = time.monotonic() + INNER_DEADLINE
    started = Started()
    try:
        display = start_display(started)
        os.environ["DISPLAY"] = display
        started.start([BUS_LAUNCHER, "--launch-immediately"],
                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        import pyatspi  # pylint: disable=import-outside-toplevel
        from gi.repository import GLib  # pylint: disable=import-outside-toplevel
        context = GLib.MainContext.default()

        def pump():
            while context.iteration(False):
                pass

        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_ACCESSIBILITY="1", ASAN_OPTIONS="detect_leaks=0")
        env.pop("QT_SCALE_FACTOR", None)
        started.start([game], env=env)
        desktop = pyatspi.Registry.getDesktop(0)

        def game_app():
            for app in desktop:
                if app is not None and (app.name or "").lower() == "ombrel":
                    return app
            return None

        app = wait_for("the game on the accessibility bus", game_app, deadline, pump)
        board = wait_for("the board with 14 children", lambda: find_board(app), deadline, pump)
        status_bar = pyatspi.findDescendant(
            app, lambda n: n is not None and n.getRole() == pyatspi.ROLE_STATUS_BAR)
        if status_bar is None:
            fail("no status bar")

        houses, stores = read_board(board)
        for i, (owner, seeds) in enumerate(houses):
            print("house %2d: Player %d, %d seeds" % (i, owner, seeds))
        for player, groups in stores:
            print("store of Player %d: %d groups" % (player, groups))
        if houses != [(1 if i < 6 else 2, 4) for i in range(12)] or stores != [(1, 0), (2, 0)]:
            fail("the opening board reads wrong")
        first = board.getChildAtIndex(0)
        if first.getRole() != pyatspi.ROLE_PUSH_BUTTON:
            fail("a house is a %s, not a button" % first.getRoleName())
        print("status: %s" % status_bar.name)

        heard = []

        def hear(event):
            heard.append((event.type, event.source.name if event.source else ""))

        pyatspi.Registry.registerEventListener(hear, "object:property-change:accessible-name")
        press(first)
        print("pressed house 0")
        seen = []

        def move_over():
            text = status_bar.name or ""
            if not seen or seen[-1] != text:
                seen.append(text)
            return (text.startswith("Ready. Player 2") or text == "The computer is thinking..."
                    or text.startswith("The computer plays"))

        wait_for("the end of the move", move_over, deadline, pump)
        houses, stores = read_board(board)
        print("after the move: " + ", ".join(str(s) for _, s in houses))
        print("status texts seen: %r" % seen)
        if [s for _, s in houses] != AFTER_HOUSE_0:
            fail("counts after house 0 are %r, not %r" % ([s for _, s in houses], AFTER_HOUSE_0))
        if "Player 1 is playing..." not in seen:
            fail("the status line never read 'Player 1 is playing...'")
        pump()
        names_heard = {name for _, name in heard}
        if not any(HOUSE.match(n or "") for n in names_heard):
            fail("no house's name change was heard")
        if not any(n.startswith("Player 1 is playing") or n.startswith("Ready.")
                   for n in names_heard if n):
            fail("no status line change was heard (heard %r)" % sorted(names_heard))
        print("heard %d name changes" % len(heard))
        print("PASS")
        return 0
    finally:
        started.stop_all()


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    if os.environ.get("OMBREL_ATSPI_INNER") == "1":
        return inner(sys.argv[1])
    return outer(sys.argv[1])


if __name__ == "__main__":
    sys.exit(main())
