"""A screen-reader user can follow a game: reads the running game's accessibility tree over
AT-SPI, deals a game and guesses through the tree's own actions.

Usage: check_accessibility.py GAME_EXECUTABLE  (inside desktop_session.sh)
"""

import sys

from game_ui import Game


def expect(what, actual, wanted):
    if actual != wanted:
        raise AssertionError(f"{what}: heard {actual!r}, expected {wanted!r}")
    print(f"ok   {what}: {actual!r}")


def main(executable):
    with Game(executable, settings=b"Wax\r\nCorn\r\nTree\r\nWash\r\nRich\r\n") as game:
        expect("slots between games", game.slots(), ["no letter"] * 12)
        expect("drawing between games", game.drawing(), "Gallows drawing, 0 of 12 pieces shown")
        game.press("New Game")
        expect("slots after the deal", game.slots(), ["hidden letter"] * 3 + ["spare slot"] * 9)
        game.press("A")
        expect("slots after A", game.slots(), ["hidden letter", "A", "hidden letter"] + ["spare slot"] * 9)
        game.press("Q")
        expect("drawing after a miss", game.drawing(), "Gallows drawing, 1 of 12 pieces shown")


if __name__ == "__main__":
    try:
        main(sys.argv[1])
    except AssertionError as failure:
        print(f"FAIL {failure}", file=sys.stderr)
        sys.exit(1)
