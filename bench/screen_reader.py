"""Plays the real game under Orca and reports what was spoken, and when.
Run by screen_reader.sh: python3 screen_reader.py GAME_EXECUTABLE WORK_FOLDER"""

import io
import os
import re
import shutil
import subprocess
import sys
import time
import wave
from array import array

ASSETS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets")

# Each step: a name, the keys typed (0.4 s apart, or 1.2 s where the player listens to the letter
# named before pressing it), and how long to listen.
STEPS = [
    ("deal", ["alt+f", "n"], 5),
    ("a miss, at a listening pace", ["a", "Return"], 12),
    ("a hit, at a listening pace", ["n", "Return"], 12),
    ("a miss, at a brisk pace", ["o", "Return"], 12),
    ("a hit, at a brisk pace", ["t", "Return"], 12),
    ("Enter twice", ["e", "Return", "Return"], 12),
    ("Enter after a letter already tried", ["a", "Return"], 5),
    ("New Game during a game", ["shift+Tab", "space"], 6),
    ("the editor opens on its list", ["alt+o", "w"], 6),
    ("Add", ["Tab", "Return", "G", "a", "m", "e", "Return"], 6),
    ("Close with unsaved edits", ["Tab", "Tab", "Return"], 6),
    ("the About box opens", ["alt+f", "Right", "Right", "Return"], 8),
]


def run(command, **kwargs):
    return subprocess.run(command, check=True, capture_output=True, text=True, **kwargs).stdout


def game_window(pid):
    for _ in range(100):
        found = subprocess.run(["xdotool", "search", "--pid", str(pid), "--name", "^Gibbetry$"],
                               capture_output=True, text=True).stdout.split()
        if found:
            return found[0]
        time.sleep(0.1)
    raise SystemExit("the game's window never came")


def speech(log, since):
    """Orca's utterances, with the wall-clock time each was handed to the synthesizer."""
    said = []
    for line in open(log, errors="replace"):
        match = re.match(r"(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*)' ?\{", line)
        if match:
            h, m, s = int(match[1]), int(match[2]), float(match[3])
            said.append((h * 3600 + m * 60 + s, match[4]))
    day = time.time() - time.time() % 86400
    return [(day + t, text) for t, text in said if day + t >= since]


def segments(samples, rate, started=0.0):
    """The stretches of speech, as (start, end) times: voice parted by 150 ms of quiet or more."""
    window, found, quiet = rate // 100, [], 15
    for at in range(0, len(samples) - window, window):
        loud = max(abs(v) for v in samples[at:at + window]) > 300
        if loud and quiet >= 15:
            found.append([started + at / rate, None])
        if loud:
            found[-1][1] = started + (at + window) / rate
        quiet = 0 if loud else quiet + 1
    return [tuple(stretch) for stretch in found]


def recorded(recording, started):
    with wave.open(recording) as sound:
        rate = sound.getframerate()
        samples = array("h", sound.readframes(sound.getnframes()))
    return segments(samples, rate, started)


def stretches_spoken(text):
    """How many stretches of speech the synthesizer makes of the text: it pauses at each comma and
    full stop, not at a colon."""
    return len([part for part in re.split(r"[.,]", text) if part.strip()])


def main(exe, work):
    game_dir = os.path.join(work, "game")
    os.makedirs(game_dir)
    for program in (exe, os.path.join(os.path.dirname(exe), "libgibbetry_sound.so")):
        shutil.copy(program, game_dir)
    for name in ("win.wav", "lose.wav", "hit.wav", "miss.wav"):
        shutil.copy(os.path.join(ASSETS, name), game_dir)
    with open(os.path.join(game_dir, "Settings"), "wb") as out:
        out.write(b"Internet\r\nInternet\r\nInternet\r\nInternet\r\nInternet\r\n")
    recording = os.path.join(work, "speech.wav")
    recorder = subprocess.Popen(["parec", "-d", "speech.monitor", "--file-format=wav",
                                 "--channels=1", "--rate=16000", recording])
    recorded_from = time.time()
    log = os.path.join(work, "orca.log")
    manager = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    orca = subprocess.Popen(["orca", "--replace", "--debug-file", log],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(8)
    game = subprocess.Popen([os.path.join(game_dir, "gibbetry")],
                            env=dict(os.environ, QT_QPA_PLATFORM="xcb"),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window = game_window(game.pid)
    time.sleep(4)
    pressed = []
    subprocess.run(["xdotool", "windowactivate", "--sync", window], stderr=subprocess.DEVNULL)
    time.sleep(1)
    for name, keys, listen in STEPS:
        gap = 1.2 if "listening" in name else 0.4
        start = time.time()
        # One xdotool for the step, as a menu opened by one key takes the next from the same
        # typist; each key's moment is known to within the few milliseconds xdotool takes.
        pressed += [(start + i * gap, key) for i, key in enumerate(keys)]
        run(["xdotool", "key", "--delay", str(int(gap * 1000)), *keys])
        time.sleep(listen)
        pressed.append((start, None, name))
    for process in (game, orca, recorder, manager):
        process.terminate()
        process.wait()
    said = speech(log, recorded_from)
    starts = recorded(recording, recorded_from)
    report(said, starts, pressed)


def report(said, starts, pressed):
    steps = [p for p in pressed if len(p) == 3]
    keys = [p for p in pressed if len(p) == 2]
    for index, (start, _, name) in enumerate(steps):
        end = steps[index + 1][0] if index + 1 < len(steps) else float("inf")
        print(f"\n## {name}")
        for t, key in keys:
            if start <= t < end:
                print(f"    key {key} at {t - start:5.2f} s")
        for t, text in said:
            if start <= t < end:
                print(f"    {t - start:5.2f} s  {text!r}")
        if os.environ.get("SHOW_ONSETS"):
            print("    speech:", " ".join(f"{a - start:.2f}-{b - start:.2f}" for a, b in starts
                                           if start <= a < end))
        for t, text in said:
            if start <= t < end and name.startswith("a ") and "misses left" in text:
                print(f"    from Enter to the end of \"misses left\": {answered(t, text, said, starts, keys):.1f} s")


def answered(t, text, said, starts, keys):
    """Seconds from Enter until "misses left" has been said, read from the recording: the speech
    after Enter is the key's echo and then the answer, in stretches parted by its pauses."""
    enter = max(k for k, key in keys if key == "Return" and k <= t)
    prefix = text[:text.index("misses left") + len("misses left")]
    after = [stretch for stretch in starts if stretch[0] >= enter]
    count = stretches_spoken("return") + stretches_spoken(prefix)
    return after[count - 1][1] - enter


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
