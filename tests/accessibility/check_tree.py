"""Reads the running game's accessibility tree over AT-SPI, as a screen reader would, and checks
that a player who cannot see the board can follow a game: what each letter slot shows, and how
much of the drawing is up. Deals a game and guesses a letter through the tree's own actions.

Usage: check_tree.py  (the game must be running on the same session bus, dealt from a list whose
first word is "Wax")
"""

import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def find_application(name, seconds=15):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name().lower() == name:
                return app
        time.sleep(0.2)
    return None


def walk(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child)


def nodes(app, role):
    return [n for n in walk(app) if n.get_role_name() == role]


def slot_names(app):
    # the twelve slots are the labels between the letter buttons and the window's bottom edge,
    # read left to right
    labels = [n for n in nodes(app, "label")
              if n.get_name() in ("hidden letter", "spare slot", "no letter") or len(n.get_name()) == 1]
    labels = [n for n in labels if n.get_extents(Atspi.CoordType.WINDOW).height > 30]
    labels.sort(key=lambda n: n.get_extents(Atspi.CoordType.WINDOW).x)
    return [n.get_name() for n in labels]


def drawing_name(app):
    for node in walk(app):
        if node.get_name().startswith("Gallows drawing"):
            return node.get_name()
    return None


def press(app, caption):
    for button in nodes(app, "push button"):
        if button.get_name() == caption:
            Atspi.Action.do_action(button, 0)
            time.sleep(0.5)
            return
    raise AssertionError(f"no button {caption!r} in the tree")


def expect(what, actual, wanted):
    if actual != wanted:
        raise AssertionError(f"{what}: heard {actual!r}, expected {wanted!r}")
    print(f"ok   {what}: {actual!r}")


def main():
    app = find_application("gibbetry")
    if app is None:
        print("the game never appeared on the accessibility bus", file=sys.stderr)
        return 1
    try:
        expect("slots between games", slot_names(app), ["no letter"] * 12)
        expect("drawing between games", drawing_name(app), "Gallows drawing, 0 of 12 pieces shown")
        press(app, "New Game")
        expect("slots after the deal", slot_names(app), ["hidden letter"] * 3 + ["spare slot"] * 9)
        press(app, "A")
        expect("slots after A", slot_names(app), ["hidden letter", "A", "hidden letter"] + ["spare slot"] * 9)
        press(app, "Q")
        expect("drawing after a miss", drawing_name(app), "Gallows drawing, 1 of 12 pieces shown")
    except AssertionError as failure:
        print(f"FAIL {failure}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
