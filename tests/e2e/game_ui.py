"""Starts the real game in a folder of its own and drives it through the accessibility bus, as a
screen reader or any assistive tool would: finding controls by name, pressing them, and reading
what the windows say. Runs inside desktop_session.sh.
"""

import os
import shutil
import subprocess
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

ASSETS = os.path.join(os.path.dirname(__file__), "..", "..", "assets")


def walk(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
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


class Game:
    """One run of the game. settings: bytes for the word list, None for no file, or a callable
    that prepares the folder itself. sounds: True to ship ours, False for none, or bytes to
    ship as both win.wav and lose.wav."""

    def __init__(self, executable, settings=None, sounds=True, wrapper=()):
        self.folder = tempfile.mkdtemp(prefix="gibbetry-")
        self.executable = os.path.join(self.folder, "gibbetry")
        shutil.copy(executable, self.executable)
        module = os.path.join(os.path.dirname(executable), "libgibbetry_sound.so")
        if os.path.exists(module):
            shutil.copy(module, self.folder)
        self.settings_path = os.path.join(self.folder, "Settings")
        if callable(settings):
            settings(self.folder)
        elif settings is not None:
            with open(self.settings_path, "wb") as out:
                out.write(settings)
        for name in ("win.wav", "lose.wav"):
            if sounds is True:
                shutil.copy(os.path.join(ASSETS, name), self.folder)
            elif sounds:
                with open(os.path.join(self.folder, name), "wb") as out:
                    out.write(sounds)
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.started = time.monotonic()
        self.process = subprocess.Popen(
            [*wrapper, self.executable], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL
        )
        self.app = wait_for("the game on the accessibility bus", self._find_app, 30)
        self.board = wait_for("the board", lambda: self.window("Gibbetry", role="frame"), 30)

    def _find_app(self):
        # Nothing here runs a main loop to receive the bus's news, so cached lists go stale:
        # every look asks afresh.
        desktop = Atspi.get_desktop(0)
        desktop.clear_cache()
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()
        shutil.rmtree(self.folder, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.close()

    def alive(self):
        return self.process.poll() is None

    def settings(self):
        try:
            with open(self.settings_path, "rb") as source:
                return source.read()
        except OSError:
            return None

    # --- looking ---

    def windows(self):
        self.app.clear_cache()
        return [self.app.get_child_at_index(i) for i in range(self.app.get_child_count())]

    def window(self, title, role=None):
        for window in self.windows():
            if window is not None and window.get_name() == title and (
                role is None or window.get_role_name() == role
            ):
                return window
        return None

    def find(self, root, role, name):
        for node in walk(root):
            if node.get_role_name() == role and node.get_name() == name:
                return node
        return None

    @staticmethod
    def texts(window):
        return [n.get_name() for n in walk(window) if n.get_role_name() == "label" and n.get_name()]

    def message_box(self):
        """The message box that is up (a window captioned Gibbetry with text, not the board)."""
        for window in self.windows():
            if window is None or window is self.board or window.get_role_name() == "frame":
                continue
            if window.get_name() == "Gibbetry" and self.texts(window):
                return window
        return None

    def message(self):
        """The text of the message box that is up, or None."""
        box = self.message_box()
        return self.texts(box)[-1] if box is not None else None

    def slots(self):
        names = ("hidden letter", "spare slot", "no letter")
        labels = [n for n in walk(self.board) if n.get_role_name() == "label"
                  and (n.get_name() in names or len(n.get_name()) == 1)
                  and n.get_extents(Atspi.CoordType.WINDOW).height > 30]
        labels.sort(key=lambda n: n.get_extents(Atspi.CoordType.WINDOW).x)
        return [n.get_name() for n in labels]

    def drawing(self):
        for node in walk(self.board):
            if node.get_name().startswith("Gallows drawing"):
                return node.get_name()
        return None

    # --- acting ---

    def press(self, name, within=None):
        button = wait_for(f"button {name!r}", lambda: self.find(within or self.board, "push button", name))
        Atspi.Action.do_action(button, 0)
        time.sleep(0.3)

    def answer(self, text, button="OK"):
        """Waits for the message box that says text and answers it."""
        wait_for(f"the message {text!r}", lambda: self.message() == text)
        self.press(button, within=self.message_box())
        wait_for("the message to go", lambda: self.message() is None)

    def keys(self, *keys):
        """Types keys into the game's active window, for menus that open modal windows."""
        windows = subprocess.run(["xdotool", "search", "--pid", str(self.process.pid), "--name", "^Gibbetry$"],
                                 capture_output=True, text=True).stdout.split()
        for window in windows:
            subprocess.run(["xdotool", "windowfocus", "--sync", window], check=False,
                           stderr=subprocess.DEVNULL)
        subprocess.run(["xdotool", "key", "--delay", "150", *keys], check=True)
        time.sleep(0.5)
