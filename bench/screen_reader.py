"""Plays the real game under Orca and reports what was spoken, and when.
Run by screen_reader.sh: python3 screen_reader.py GAME_EXECUTABLE WORK_FOLDER"""

import os
import re
import shutil
import subprocess
import sys
import threading
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
    ("Add a word too long", ["Return", *"Thirteenchars", "Return"], 8),
    ("OK", ["Return"], 4),
    ("Close with unsaved edits", ["Tab", "Tab", "Return"], 6),
    ("the About box opens", ["alt+f", "Right", "Right", "Return"], 8),
    ("the About box closes", ["Escape"], 4),
    ("deal from the menu", ["alt+f", "n"], 8),
    ("the winning guess, at a brisk pace",
     ["i", "Return", "n", "Return", "t", "Return", "e", "Return", "r", "Return"], 12),
    ("Enter on the box, two more during the sound", ["Return", "Return", "Return"], 6),
    ("a letter after the end", ["q"], 4),
]


def run(command, **kwargs):
    return subprocess.run(command, check=True, capture_output=True, text=True, **kwargs).stdout


def keep_off_speech(pid, stop):
    """Moves the game's sound streams to the sink nobody records, as they open: the speech alone
    is measured."""
    while not stop.is_set():
        listed = subprocess.run(["pactl", "list", "sink-inputs"], capture_output=True,
                                text=True).stdout
        for block in listed.split("Sink Input #")[1:]:
            if f'application.process.id = "{pid}"' in block:
                subprocess.run(["pactl", "move-sink-input", block.split()[0], "game"],
                               capture_output=True)
        stop.wait(0.05)


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
    """The stretches of sound, as (start, end) times: sound parted by 150 ms of quiet or more."""
    window, found, quiet = rate // 100, [], 15
    for at in range(0, len(samples) - window, window):
        loud = max(abs(v) for v in samples[at:at + window]) > 300
        if loud and quiet >= 15:
            found.append([started + at / rate, None])
        if loud:
            found[-1][1] = started + (at + window) / rate
        quiet = 0 if loud else quiet + 1
    return [tuple(stretch) for stretch in found]


def recorded(recording, first_said):
    """The stretches of speech on the clock of the keys. parec's own start is not known to the
    moment, so the first speech is taken to start when Orca handed over its first words ("Screen
    reader on."): every time read from the recording leaves out the synthesizer's own latency,
    the same for every utterance."""
    with wave.open(recording) as sound:
        rate = sound.getframerate()
        samples = array("h", sound.readframes(sound.getnframes()))
    spoken = segments(samples, rate)
    return [(a - spoken[0][0] + first_said, b - spoken[0][0] + first_said) for a, b in spoken]


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
    stop = threading.Event()
    threading.Thread(target=keep_off_speech, args=(game.pid, stop), daemon=True).start()
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
    stop.set()
    for process in (game, orca, recorder, manager):
        process.terminate()
        process.wait()
    if os.environ.get("KEEP_ORCA_LOG"):
        shutil.copy(log, os.environ["KEEP_ORCA_LOG"])
    said = speech(log, recorded_from)
    spoken = recorded(recording, said[0][0])
    report(said, spoken, pressed)


GUESSES = ("a miss", "a hit", "the winning")
# The echo "return" alone, where no run parts it from what follows (Orca 43, espeak-ng's default
# voice, measured by this bench with the answer parted from it)
ECHO_ALONE = 0.72


def report(said, spoken, pressed):
    steps = [p for p in pressed if len(p) == 3]
    keys = [p for p in pressed if len(p) == 2]
    bounds = [(start, steps[i + 1][0] if i + 1 < len(steps) else float("inf"), name)
              for i, (start, _, name) in enumerate(steps)]
    guesses = [answer_stretches(a, b, spoken, keys) for a, b, name in bounds
               if name.startswith(GUESSES)]
    # Orca's echo of Enter, where the synthesizer parted it from the answer (the median of those
    # stretches): its length tells where the answer starts when the two run together
    alone = sorted(b - a for _, stretches in guesses for a, b in stretches[:1] if b - a < 0.9)
    echo = alone[len(alone) // 2] if alone else ECHO_ALONE
    for start, end, name in bounds:
        print(f"\n## {name}")
        for t, key in keys:
            if start <= t < end:
                print(f"    key {key} at {t - start:5.2f} s")
        for t, text in said:
            if start <= t < end:
                print(f"    {t - start:5.2f} s  {text!r}")
        if os.environ.get("SHOW_ONSETS"):
            print("    speech:", " ".join(f"{a - start:.2f}-{b - start:.2f}" for a, b in spoken
                                           if start <= a < end))
        if name.startswith(GUESSES):
            enter, stretches = answer_stretches(start, end, spoken, keys)
            if len(stretches) < 3:
                print("    the answer was not heard before the next key")
                continue
            first = stretches[0]
            word = first[0] + echo if first[1] - first[0] > echo + 0.15 else stretches[1][0]
            print(f"    from Enter to the answer's first word: {word - enter:.1f} s")
            if not name.startswith("the winning"):
                long = next(i for i, s in enumerate(stretches) if s[1] - s[0] >= 2.0)
                print(f"    from Enter to the end of \"misses left\": "
                      f"{stretches[long - 1][1] - enter:.1f} s")


def answer_stretches(start, end, spoken, keys):
    """The step's last Enter and the speech after it: Orca's echo "return", then the answer. The
    synthesizer takes longer than 0.3 s to start the echo, and what starts sooner is the end of
    what came before the key."""
    enter = max(k for k, key in keys if key == "Return" and start <= k < end)
    return enter, [s for s in spoken if enter + 0.3 <= s[0] < end]


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
