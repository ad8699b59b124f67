"""Times, from outside the game, how long the board stays frozen after OK at the end of a game.
Run by sound_wait.sh: python3 sound_wait.py GAME_EXECUTABLE RUNS"""

import os
import statistics
import sys
import time
import wave

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from real_game import ASSETS, Atspi, Game, wait_for, walk  # noqa: E402

ENDS = {"win.wav": ("WAX", "You Have Won The Game."),
        "lose.wav": ("BCDEFGHIJKLM", "You Have Lost The Game")}


def ok_to_reset(game, sound):
    """Plays a game to the given end and times OK to the board's reset, in milliseconds."""
    letters, message = ENDS[sound]
    game.press("New Game", *letters)
    wait_for(f"the message {message!r}", lambda: game.message() == message)
    ok = next(n for n in walk(game.message_box()) if n.get_role() == Atspi.Role.PUSH_BUTTON)
    first_slot = next(n for n in walk(game.board) if n.get_role() == Atspi.Role.LABEL and n.get_name() == "W"
                      or n.get_name() == "blank")
    pressed = time.monotonic()
    ok.do_action(0)
    while True:
        first_slot.clear_cache()
        if first_slot.get_name() == "":
            return (time.monotonic() - pressed) * 1000
        time.sleep(0.002)


def main(exe, runs):
    results = {}
    for run in range(runs):
        order = ["win.wav", "lose.wav"] if run % 2 == 0 else ["lose.wav", "win.wav"]
        with Game(exe, b"Wax\r\n") as game:
            for i, sound in enumerate(order + order):
                kind = "first sound of the run" if i == 0 else "later"
                results.setdefault((sound, kind), []).append(ok_to_reset(game, sound))
    # The measurement's own cost: the same games with no sound files, where the beep returns at once.
    with Game(exe, b"Wax\r\n", sounds=False) as game:
        for sound in ["win.wav", "lose.wav"] * runs:
            results.setdefault(("none", "no sound file"), []).append(ok_to_reset(game, sound))
    print("| sound (its length) | game | OK to reset, median (ms) | over the length (ms) | range (ms) |")
    print("|---|---|---:|---:|---:|")
    for (sound, kind), times in sorted(results.items()):
        length = 0
        if sound != "none":
            with wave.open(os.path.join(ASSETS, sound)) as w:
                length = w.getnframes() * 1000 / w.getframerate()
        median = statistics.median(times)
        print(f"| {sound} ({length:.0f} ms) | {kind} | {median:.0f} | {median - length:+.0f} "
              f"| {min(times):.0f}–{max(times):.0f} |")


if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]))
