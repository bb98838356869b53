#!/usr/bin/python3
"""Takes the user guide's pictures: see user-guide-shots.sh.

usage: user_guide_shots.py CURTAINWALL KEYS_FILE OUT_DIR"""

import os
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "window", "qt"))
from e2e_keyboard_run import read_keys  # noqa: E402
from xvfb_window import RunningWindow, tools_missing  # noqa: E402


def main():
    if len(sys.argv) != 4:
        print(__doc__)
        return 2
    program, keys_file, out = sys.argv[1:]
    if tools_missing():
        print("not installed: " + ", ".join(tools_missing()))
        return 1
    os.makedirs(out, exist_ok=True)
    keys, _ = read_keys(keys_file)
    # A screen on which the whole form shows, in English with English numbers.
    running = RunningWindow(program, ["--locale", "en_US"], screen="1280x1024x24",
                            env_extra={"LANG": "en_US.UTF-8", "LC_ALL": "en_US.UTF-8"})
    try:
        time.sleep(1.0)
        running.run(["import", "-window", running.window, os.path.join(out, "window-start.png")])
        for verb, what in keys:
            if verb == "type":
                running.type(what)
            else:
                running.key(what)
            time.sleep(0.05)
        time.sleep(1.0)
        running.run(["import", "-window", running.window,
                     os.path.join(out, "window-designed.png")])
    finally:
        running.close()
    print("written: window-start.png, window-designed.png in " + out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
