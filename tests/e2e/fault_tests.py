"""Hostile inputs, end to end on the real game: each starts the program against a damaged or odd
word list folder and checks that it starts, stays up and answers, that the player's file is never
changed except by a Save that reports "Save Successful", and that no message misstates what
happened.

Usage: fault_tests.py GAME_EXECUTABLE [CASE...]  (inside desktop_session.sh)
"""

import os
import random
import sys
import time

from game_ui import Game

DEFAULTS = b"".join(w + b"\r\n" for w in (
    b"Internet Computer Corrupted Wallaby Canister President Choice Selective Adaptive Irony "
    b"Indulge Storm Drain Tree Mallot Chainmail Mountain Mystic Hollywood Music Candle Corn Wash "
    b"Right Rich Bedding Border Newlywed Television Olive Wax Fake Phonics Silver Sting").split())

# For games on "Wax": twelve letters it does not hold.
TWELVE_MISSES = "BCDEFGHIJKLM"

# Root reads and writes past permissions; this takes that power away from the game it starts.
WITHOUT_ROOTS_POWER = ("setpriv", "--bounding-set=-dac_override,-dac_read_search",
                       "--inh-caps=-dac_override,-dac_read_search", "--")

CASES = {}


def case(function):
    CASES[function.__name__] = function
    return function


def check(what, condition):
    if not condition:
        raise AssertionError(what)


def still_answering(game):
    """The game is up and its board answers: a deal and a stop go through."""
    check("the game is still running", game.alive())
    game.press("New Game")
    check("the game is still running after a deal", game.alive())
    check("the board still answers", game.slots() and len(game.slots()) == 12)


def unchanged(game, before):
    check("the word list file is unchanged", game.settings() == before)


@case
def ten_megabyte_line(exe):
    data = b"x" * (10 * 1024 * 1024)
    with Game(exe, settings=data) as game:
        still_answering(game)
        check("a word too long for the board leaves every slot empty", game.slots() == ["no letter"] * 12)
        check("no message", game.message() is None)
        unchanged(game, data)


@case
def binary_garbage_with_nul_bytes(exe):
    data = bytes(random.Random(1234).getrandbits(8) for _ in range(256 * 1024)) + b"\0\0\0"
    with Game(exe, settings=data) as game:
        for _ in range(5):
            still_answering(game)
        unchanged(game, data)


@case
def only_carriage_returns(exe):
    data = b"Wax\rCorn\rTree\rWash\rRich\r"
    with Game(exe, settings=data) as game:
        still_answering(game)
        hidden = game.slots().count("hidden letter")
        check(f"each line is a word of its own (dealt {hidden} letters)", 3 <= hidden <= 4)
        unchanged(game, data)


@case
def a_hundred_thousand_lines(exe):
    data = b"".join(b"word%d\r\n" % i for i in range(100000))
    with Game(exe, settings=data) as game:
        check(f"starts within 5 s (took {time.monotonic() - game.started:.1f} s)",
              time.monotonic() - game.started < 5)
        for _ in range(3):
            still_answering(game)
            check("a word was dealt", "hidden letter" in game.slots())
        unchanged(game, data)


@case
def a_folder_named_settings(exe):
    with Game(exe, settings=lambda folder: os.mkdir(os.path.join(folder, "Settings"))) as game:
        game.press("New Game")
        game.answer("The Words List Is Empty.")
        check("still running", game.alive())
        check("Settings is still a folder", os.path.isdir(game.settings_path))


@case
def read_only_folder_on_first_run(exe):
    def read_only(folder):
        os.chmod(folder, 0o555)
    with Game(exe, settings=read_only, wrapper=WITHOUT_ROOTS_POWER) as game:
        game.press("New Game")
        game.answer("The Words List Is Empty.")
        check("still running", game.alive())
        check("no file was created", game.settings() is None)
        os.chmod(game.folder, 0o755)


@case
def settings_replaced_while_editing_then_saved(exe):
    with Game(exe, settings=DEFAULTS) as game:
        game.keys("alt+o", "w")
        editor = game.window("Edit Words List")
        check("the editor is open", editor is not None)
        with open(game.settings_path, "wb") as out:
            out.write(b"Someone\r\nElse\r\n")
        game.press("Save", within=editor)
        game.answer("Save Successful")
        check("the file holds the list the editor showed", game.settings() == DEFAULTS)
        os.remove(game.settings_path)
        game.press("Save", within=editor)
        game.answer("Save Unsuccessful", button="Cancel")
        check("a missing file is not created", game.settings() is None)
        game.press("Close", within=editor)
        check("still running", game.alive())


def play_to_the_end(game, letters, message):
    game.press("New Game")
    for letter in letters:
        game.press(letter)
    game.answer(message)
    check("the board clears after the sound", wait_cleared(game))
    check("still running", game.alive())


def wait_cleared(game, seconds=8):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if game.slots() == ["no letter"] * 12:
            return True
        time.sleep(0.2)
    return False


@case
def missing_sounds_without_audio(exe):
    with Game(exe, settings=b"Wax\r\n", sounds=False) as game:
        play_to_the_end(game, TWELVE_MISSES, "You Have Lost The Game")
        play_to_the_end(game, "WAX", "You Have Won The Game.")
        unchanged(game, b"Wax\r\n")


@case
def corrupt_sounds_without_audio(exe):
    corrupt = b"RIFF\xff\xff\xff\x7fWAVEfmt \x10\0\0\0" + os.urandom(4096)
    with Game(exe, settings=b"Wax\r\n", sounds=corrupt) as game:
        play_to_the_end(game, TWELVE_MISSES, "You Have Lost The Game")
        play_to_the_end(game, "WAX", "You Have Won The Game.")


def main(exe, names):
    failed = 0
    for name in names or CASES:
        try:
            CASES[name](exe)
            print(f"ok   {name}")
        except AssertionError as failure:
            failed += 1
            print(f"FAIL {name}: {failure}")
    print(f"{len(names or CASES) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2:]))
