#!/usr/bin/python3
"""Drives the real window from the keyboard alone under its own virtual display, a laptop
screen of 1366 x 768 on which the form must scroll: presses the keys of a keys file (Tab,
arrows, Space, typing, Enter), quits with Ctrl+Q, and compares the state the window dumps
on closing with the replay of the same design done with the mouse.

usage: e2e_keyboard_run.py CURTAINWALL CURTAINWALL_REPLAY KEYS_FILE
Exit status 77 (skipped) when Xvfb, xdotool or ImageMagick is missing. With CW_E2E_SHOTS set
to a folder, screenshots of the start and of the end are left there."""

import json
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xvfb_window import SKIP, RunningWindow, tools_missing  # noqa: E402


def read_keys(path):
    keys, mouse = [], []
    for line in open(path, encoding="utf-8"):
        line = line.rstrip("\n")
        if not line or line.startswith("#"):
            continue
        verb, _, rest = line.partition(" ")
        if verb == "mouse":
            mouse.append(rest)
        elif verb == "type":
            keys.append(("type", rest))
        elif verb == "key":
            words = rest.split("=>")[0].split()
            count = int(words[1]) if len(words) > 1 else 1
            keys.extend([("key", words[0])] * count)
        else:
            raise ValueError(f"unknown line: {line}")
    return keys, mouse


def main():
    if len(sys.argv) != 4:
        print(__doc__)
        return 2
    program, replay, keys_file = sys.argv[1:]
    if tools_missing():
        print("not installed: " + ", ".join(tools_missing()))
        return SKIP
    keys, mouse = read_keys(keys_file)
    expected = subprocess.run([replay, "--locale", "el_GR"], input="\n".join(mouse + ["dump"]),
                              capture_output=True, text=True, check=True, timeout=30).stdout
    dump = os.path.join(os.environ.get("TMPDIR", "/tmp"), f"cw-e2e-keys-{os.getpid()}.json")
    shots = os.environ.get("CW_E2E_SHOTS")
    running = None
    try:
        running = RunningWindow(program, ["--locale", "el_GR", "--dump-state-on-exit", dump],
                          screen="1366x768x24")
        if shots:
            running.screenshot(os.path.join(shots, "keyboard-start.png"))
        for verb, what in keys:
            if verb == "type":
                running.type(what)
            else:
                running.key(what)
            time.sleep(0.05)
        if shots:
            running.screenshot(os.path.join(shots, "keyboard-end.png"))
        running.key("ctrl+q")
        try:
            got = running.closed_state(dump, "Ctrl+Q")  # the bay typed in was never saved
        except RuntimeError as e:
            print(e)
            return 1
        want = json.loads(expected)
        if got == want:
            return 0
        for key in ("focus", "messages", "form"):
            if got.get(key) != want.get(key):
                print(f"{key}: window {got.get(key)} / mouse replay {want.get(key)}")
        for name, state in want["controls"].items():
            if got["controls"].get(name) != state:
                print(f"{name}: window {got['controls'].get(name)} / mouse replay {state}")
        return 1
    finally:
        if running:
            running.close()
        if os.path.exists(dump):
            os.remove(dump)


if __name__ == "__main__":
    sys.exit(main())
