#!/usr/bin/python3
"""The window on a 1366 x 768 laptop screen under a real window manager (openbox), which gives
it a title bar: the frame, title bar and status bar included, must lie on the screen.

usage: e2e_screen_fit.py CURTAINWALL
Exit status 77 (skipped) when Xvfb, xdotool, xprop, xwininfo or openbox is missing."""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
SCREEN = (1366, 768)


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    missing = [t for t in ("Xvfb", "xdotool", "xprop", "xwininfo", "openbox") if not shutil.which(t)]
    if missing:
        print("not installed: " + ", ".join(missing))
        return SKIP
    work = tempfile.mkdtemp(prefix="cw-fit-")
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                             f"{SCREEN[0]}x{SCREEN[1]}x24", "-dpi", "96", "-nolisten", "tcp"],
                            pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        display = pipe.readline().strip()
    env = dict(os.environ, DISPLAY=f":{display}", XDG_RUNTIME_DIR=work, XDG_CONFIG_HOME=work)
    env.pop("QT_QPA_PLATFORM", None)
    env.pop("WAYLAND_DISPLAY", None)
    procs = [xvfb]
    try:
        procs.append(subprocess.Popen(["openbox"], env=env, stdout=subprocess.DEVNULL,
                                      stderr=subprocess.DEVNULL))
        time.sleep(1.0)  # the manager must own the screen before the window maps
        app = subprocess.Popen([sys.argv[1], "--locale", "en_US"], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        procs.append(app)
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                                 str(app.pid)], env=env, capture_output=True, text=True,
                                timeout=20).stdout.split()[-1]
        extents = ""
        for _ in range(50):  # the manager frames the window shortly after it maps
            extents = subprocess.run(["xprop", "-id", window, "_NET_FRAME_EXTENTS"], env=env,
                                     capture_output=True, text=True).stdout
            if "=" in extents:
                break
            time.sleep(0.1)
        time.sleep(0.5)
        info = subprocess.run(["xwininfo", "-id", window], env=env, capture_output=True,
                              text=True).stdout
    finally:
        for proc in reversed(procs):
            proc.terminate()
            try:
                proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                proc.kill()
        shutil.rmtree(work, ignore_errors=True)

    def field(name):
        return int(re.search(name + r":\s+(-?\d+)", info).group(1))

    left, right, top, bottom = (int(v) for v in extents.split("=")[1].split(","))
    x, y = field("Absolute upper-left X"), field("Absolute upper-left Y")
    width, height = field("Width"), field("Height")
    outer = (x - left, y - top, x + width + right, y + height + bottom)
    print(f"frame {left},{right},{top},{bottom}; window {width}x{height} at {x},{y}; "
          f"outer {outer}")
    if top == 0:
        print("the window manager gave no title bar: nothing checked")
        return 1
    if outer[0] < 0 or outer[1] < 0 or outer[2] > SCREEN[0] or outer[3] > SCREEN[1]:
        print(f"the window does not fit on the {SCREEN[0]}x{SCREEN[1]} screen")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
