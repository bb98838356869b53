"""The program under its own virtual display, for the end-to-end tests: starts Xvfb and
curtainwall, finds the window, and tells where the form lies in it (below the menu bar)."""

import json
import os
import shutil
import signal
import subprocess
import tempfile
import time

SKIP = 77
FORM_GREY = "#C0C0C0"


def tools_missing():
    return [tool for tool in ("Xvfb", "xdotool", "import") if not shutil.which(tool)]


class RunningWindow:
    def __init__(self, program, args, screen="1280x1024x24", dpi=96, env_extra=None):
        self.work = tempfile.mkdtemp(prefix="cw-e2e-")
        self.app = None
        # Xvfb picks a free display itself and writes its number to the pipe, so that tests
        # run side by side never share one.
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                                      screen, "-dpi", str(dpi), "-nolisten", "tcp"],
                                     pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            display = pipe.readline().strip()
        if not display:
            raise RuntimeError("Xvfb did not start")
        # Its own settings, so that a language remembered elsewhere does not leak in.
        self.env = dict(os.environ, DISPLAY=f":{display}", XDG_RUNTIME_DIR=self.work,
                        XDG_CONFIG_HOME=self.work)
        self.env.pop("QT_QPA_PLATFORM", None)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env.update(env_extra or {})
        try:
            self.app = subprocess.Popen([program] + args, env=self.env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            self.window = self.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                                    str(self.app.pid)]).splitlines()[-1]
            self.run(["xdotool", "windowfocus", "--sync", self.window])
        except BaseException:
            self.close()  # the caller never gets the window to close
            raise

    def run(self, cmd, timeout=10):
        return subprocess.run(cmd, env=self.env, check=True, timeout=timeout,
                              capture_output=True, text=True).stdout.strip()

    def form_origin(self, probe_x=700, depth=120):
        """The form's top-left corner in window coordinates: the first row of the form's
        grey in a column where the form starts with plain background (inside the results
        panel's box, above its first heading), below the menu bar's lighter grey."""
        for _ in range(50):
            pixels = self.run(["import", "-window", self.window, "-crop",
                               f"1x{depth}+{probe_x}+0", "+repage", "txt:-"])
            for line in pixels.splitlines()[1:]:
                where, _, rest = line.partition(":")
                if FORM_GREY in rest.upper():
                    return 0, int(where.split(",")[1])
            time.sleep(0.1)
        raise RuntimeError("the form's grey was not found below the menu bar")

    def focus_dialog(self, what, timeout=5.0):
        """Gives the keyboard to the program's other window (a dialog or a message box), which
        without a window manager nobody else does; `what` names it for the error."""
        deadline = time.time() + timeout
        while True:
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                    str(self.app.pid)], env=self.env, capture_output=True,
                                   text=True, timeout=10).stdout.split()
            boxes = [w for w in found if w != self.window]
            if boxes:
                break
            if time.time() > deadline:
                raise RuntimeError(f"no {what} appeared")
            time.sleep(0.1)
        self.run(["xdotool", "windowfocus", "--sync", boxes[-1]])

    def discard_changes(self, timeout=5.0):
        """Answers the question about unsaved changes with Discard: its buttons are Save,
        Discard and Cancel in that order, with Save focused."""
        self.focus_dialog("question about unsaved changes", timeout)
        self.key("Tab", "space")

    def closed_state(self, dump, how, unsaved=True):
        """After the close (`how` says which), Discard for an unsaved bay, then the state the
        window dumped on its way out; a window still open or a failed exit is a RuntimeError."""
        if unsaved:
            self.discard_changes()
        try:
            self.app.wait(timeout=10)
        except subprocess.TimeoutExpired:
            raise RuntimeError(f"{how} did not close the window (a message box may be open)")
        if self.app.returncode != 0:
            raise RuntimeError(f"curtainwall exited with {self.app.returncode}")
        with open(dump, encoding="utf-8") as f:
            return json.load(f)

    def key(self, *names):
        self.run(["xdotool", "key", "--delay", "60"] + list(names))

    def type(self, text):
        self.run(["xdotool", "type", "--delay", "30", text])

    def screenshot(self, path):
        self.run(["import", "-window", "root", path])

    def close(self):
        for proc in (self.app, self.xvfb):
            if proc and proc.poll() is None:
                proc.send_signal(signal.SIGTERM)
                try:
                    proc.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    proc.kill()
        shutil.rmtree(self.work, ignore_errors=True)
