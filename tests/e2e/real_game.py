"""The real game, end to end, as a screen reader user meets it over the accessibility bus: it
plays, edits and saves. Usage, inside
desktop_session.sh: real_game.py GAME_EXECUTABLE"""

import array
import contextlib
import os
import shutil
import subprocess
import sys
import tempfile
import time
import wave

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

ASSETS = os.path.join(os.path.dirname(__file__), "..", "..", "assets")
FIVE = b"Wax\r\nCorn\r\nTree\r\nWash\r\nRich\r\n"
SPARE = [""] * 9  # spare slots say nothing, so that the row reads as the word


def walk(node):
    yield node
    for child in map(node.get_child_at_index, range(node.get_child_count())):
        if child is not None:
            yield from walk(child)


def wait_for(what, test, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = test()
        if result:
            return result
        time.sleep(0.1)
    raise AssertionError(f"timed out waiting for {what}")


def sounds_in(recording, quiet=300, window_ms=5, gap_ms=15):
    """The sounds in a recording, [start, length] in ms, gaps under 15 ms bridged."""
    with wave.open(recording) as heard:
        samples = array.array("h", heard.readframes(heard.getnframes()))
        step = heard.getframerate() * window_ms // 1000
    sounds = []
    for i in range(0, len(samples) - step, step):
        at = i // step * window_ms
        if max(map(abs, samples[i:i + step])) > quiet:
            if sounds and at - (sounds[-1][0] + sounds[-1][1]) < gap_ms:
                sounds[-1][1] = at + window_ms - sounds[-1][0]
            else:
                sounds.append([at, window_ms])
    return sounds


def check(what, actual, wanted=True):
    if actual != wanted:
        raise AssertionError(f"{what}: got {actual!r}, expected {wanted!r}")


class Game:
    """One run of the game in a folder of its own, with our sounds, and a PulseAudio server with
    a null sink to play them into, as on a desktop with speakers."""

    def __init__(self, executable, settings, sounds=True):
        self.folder = tempfile.mkdtemp(prefix="gibbetry-")
        pulse = os.path.join(self.folder, "pulse")
        self.sound_server = subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "-L", "module-null-sink",
             "-L", f"module-native-protocol-unix socket={pulse} auth-anonymous=1"],
            env=dict(os.environ, PULSE_RUNTIME_PATH=pulse + "-runtime", PULSE_STATE_PATH=pulse + "-state"),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for("the sound server", lambda: os.path.exists(pulse))
        for program in (executable, os.path.join(os.path.dirname(executable), "libgibbetry_sound.so")):
            shutil.copy(program, self.folder)
        self.settings_path = os.path.join(self.folder, "Settings")
        with open(self.settings_path, "wb") as out:
            out.write(settings)
        for name in ("win.wav", "lose.wav", "hit.wav", "miss.wav") if sounds else ():
            shutil.copy(os.path.join(ASSETS, name), self.folder)
        self.sound_env = dict(os.environ, PULSE_SERVER=f"unix:{pulse}")
        env = dict(self.sound_env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.process = subprocess.Popen([os.path.join(self.folder, "gibbetry")], env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.app = wait_for("the game on the accessibility bus", self._find_app, 30)
        self.board = wait_for("the board", lambda: self.window("Gibbetry", Atspi.Role.FRAME), 30)

    def _find_app(self):
        # Nothing here runs a main loop to hear the bus's news: every look asks afresh.
        desktop = Atspi.get_desktop(0)
        desktop.clear_cache()
        apps = map(desktop.get_child_at_index, range(desktop.get_child_count()))
        return next((a for a in apps if a is not None and a.get_process_id() == self.process.pid), None)

    def __enter__(self):
        return self

    def __exit__(self, *_):
        for process in (self.process, self.sound_server):
            process.kill()
            process.wait()
        shutil.rmtree(self.folder, ignore_errors=True)

    @contextlib.contextmanager
    def recorded(self, sounds):
        """Records what the sound server plays meanwhile, and adds the sounds heard to `sounds`."""
        recorder = subprocess.Popen(["parec", "-d", "null.monitor", "--rate=48000", "--channels=1", "--format=s16le",
                                     "--file-format=wav", path := os.path.join(self.folder, "heard.wav")],
                                    env=self.sound_env)
        time.sleep(0.5)
        yield
        time.sleep(0.5)
        recorder.terminate()
        recorder.wait()
        sounds.extend(sounds_in(path))

    def sound_playing(self):
        return subprocess.run(["pactl", "list", "short", "sink-inputs"], env=self.sound_env,
                              capture_output=True, text=True).stdout.strip() != ""

    def settings(self):
        return open(self.settings_path, "rb").read() if os.path.exists(self.settings_path) else None

    def window(self, title, role=None, test=lambda window: True):
        self.app.clear_cache()
        windows = map(self.app.get_child_at_index, range(self.app.get_child_count()))
        return next((w for w in windows if w is not None and w.get_name() == title
                     and role in (None, w.get_role()) and test(w)), None)

    def message_box(self):
        """The message box that is up: a window captioned Gibbetry, not the board, with text."""
        return self.window("Gibbetry", test=lambda w: w.get_role() != Atspi.Role.FRAME and self.texts(w))

    @staticmethod
    def texts(window):
        return [n.get_name() for n in walk(window) if n.get_role() == Atspi.Role.LABEL and n.get_name()]

    def message(self):
        return (self.texts(self.message_box()) or [None])[-1] if self.message_box() else None

    def slots(self):
        labels = [n for n in walk(self.board) if n.get_role() == Atspi.Role.LABEL
                  and n.get_extents(Atspi.CoordType.WINDOW).height > 30]
        return [n.get_name() for n in sorted(labels, key=lambda n: n.get_extents(Atspi.CoordType.WINDOW).x)]

    def drawing(self):
        return next((n.get_name() for n in walk(self.board) if n.get_name().startswith("Gallows")), None)

    def press(self, *names, within=None):
        for name in names:
            button = wait_for(f"button {name!r}", lambda: next(
                (n for n in walk(within or self.board) if n.get_role() == Atspi.Role.PUSH_BUTTON
                 and n.get_name() == name), None))
            Atspi.Action.do_action(button, 0)
            time.sleep(0.3)

    def answer(self, text, button="OK"):
        wait_for(f"the message {text!r}", lambda: self.message() == text)
        self.press(button, within=self.message_box())
        wait_for("the message to go", lambda: self.message() is None)

    def keys(self, *keys):
        """Types keys into the board, for the menus."""
        found = subprocess.run(["xdotool", "search", "--pid", str(self.process.pid), "--name", "^Gibbetry$"],
                               capture_output=True, text=True).stdout.split()
        for window in found:
            subprocess.run(["xdotool", "windowfocus", "--sync", window], stderr=subprocess.DEVNULL)
        subprocess.run(["xdotool", "key", "--delay", "150", *keys], check=True)
        time.sleep(0.5)


def a_game_edited_and_saved(exe):
    with Game(exe, FIVE) as game:
        check("slots between games", game.slots(), [""] * 12)
        check("drawing between games", game.drawing(), "Gallows drawing, 0 of 12 pieces shown")
        game.press("New Game")
        check("slots after the deal", game.slots(), ["blank"] * 3 + SPARE)
        cues = []
        with game.recorded(cues):  # a screen reader is on: each guess sounds its cue, whole
            game.press("A")
            check("slots after A", game.slots(), ["blank", "A", "blank"] + SPARE)
            game.press("Q")
        # The sink records nothing between sounds: two cues of 100 ms or more each, however joined.
        check("the hit and the miss cues heard whole", sum(length for _, length in cues) >= 200)
        check("drawing after a miss", game.drawing(),
              "Gallows drawing, 1 of 12 pieces shown, 11 misses left")
        game.press("W", "X")
        answered = time.monotonic()
        game.answer("You Have Won The Game.")
        # The game's own sound module plays win.wav (0.94 s) on the sound server, and the board
        # waits for it: a beep would have cleared it at once.
        wait_for("the win sound on the sound server", game.sound_playing, 2)
        wait_for("the board to clear", lambda: game.slots() == [""] * 12)
        check("the board waited for the win sound", time.monotonic() - answered > 0.9)
        game.keys("alt+o", "w")
        editor = wait_for("the editor", lambda: game.window("Edit Words List"))
        with open(game.settings_path, "wb") as out:
            out.write(b"Someone\r\nElse\r\n")
        game.press("Save", within=editor)
        game.answer("Save Successful")
        check("the file holds the list the editor showed", game.settings(), FIVE)
        game.press("Close", within=editor)


if __name__ == "__main__":
    failed = []
    for case in (a_game_edited_and_saved,):
        try:
            case(sys.argv[1])
            print(f"ok   {case.__name__}")
        except AssertionError as failure:
            failed.append(case)
            print(f"FAIL {case.__name__}: {failure}")
    print(f"{1 - len(failed)} passed, {len(failed)} failed")
    sys.exit(1 if failed else 0)
