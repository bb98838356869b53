#!/usr/bin/python3
"""Drives the real window from the keyboard alone under its own virtual display, a laptop
screen of 1366 x 768 on which the form must scroll: presses the keys of a keys file (Tab,
arrows, Space, typing, Enter), quits with Ctrl+Q, and compares the state the window dumps
on closing with the replay of the same design done with the mouse. Then, in Greek and in
English, the editing a keyboard user does: a bay typed in, NEXT by F9, a new static system
that empties the geometry, Ctrl+Z that brings it back with its verdict, EN 13830:2015 and
Site wind from the Standards menu, the PDF report by Ctrl+P, Save as, New bay and Open recent
through F10 and the arrows; the dump on closing says what the window holds.

usage: e2e_keyboard_run.py CURTAINWALL CURTAINWALL_REPLAY KEYS_FILE
Exit status 77 (skipped) when Xvfb, xdotool or ImageMagick is missing. With CW_E2E_SHOTS set
to a folder, screenshots of the start and of the end are left there."""

import json
import os
import shutil
import subprocess
import sys
import tempfile
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


# The bay of the keys file, typed in from the start; NEXT by F9.
DESIGN = ([("key", "Tab")] * 7 + [("key", "space"), ("key", "Tab"), ("key", "space")] +
          [step for text in ("120", "90", "250", "100", "150")
           for step in (("type", text), ("key", "Return"))] +
          [("key", "shift+Tab"), ("key", "shift+Tab"), ("key", "Right"), ("key", "F9")])
VERDICT = {"el_GR": "Η κολώνα KA-", "en_US": "Mullion KA-"}


def press(running, steps):
    for verb, what in steps:
        if verb == "type":
            running.type(what)
        else:
            running.key(what)
        time.sleep(0.05)


def editing_run(program, locale, shots):
    """The editing from the keyboard in the language of `locale`; a list of faults."""
    work = tempfile.mkdtemp(prefix="cw-e2e-edit-")
    dump = os.path.join(work, "state.json")
    bay = os.path.join(work, "mine.cwbay")
    pdf = os.path.join(work, "mine.pdf")
    running = RunningWindow(program, ["--locale", locale, "--dump-state-on-exit", dump],
                            screen="1366x768x24")
    faults = []
    try:
        press(running, DESIGN)
        # From the height band to the static system group (NEXT, Text3, the series), then
        # Down: two spans, which empties the geometry.
        press(running, [("key", "Tab")] * 4 + [("key", "Down")])
        time.sleep(0.3)
        if shots:
            running.screenshot(os.path.join(shots, f"edit-{locale}-cleared.png"))
        press(running, [("key", "ctrl+z")])
        time.sleep(0.3)
        if shots:
            running.screenshot(os.path.join(shots, f"edit-{locale}-undone.png"))
        # Standards (the third menu): EN 13830:2015, then Site wind… applied with its values
        # as they open (Apply is the dialog's default button); NEXT again.
        press(running, [("key", "F10"), ("key", "Right"), ("key", "Right"), ("key", "Down"),
                        ("key", "Return")])
        time.sleep(0.3)
        press(running, [("key", "F10"), ("key", "Right"), ("key", "Right"), ("key", "Down"),
                        ("key", "Down"), ("key", "Return")])
        running.focus_dialog("Site wind dialog")
        press(running, [("key", "Return")])
        time.sleep(0.3)
        running.run(["xdotool", "windowfocus", "--sync", running.window])
        press(running, [("key", "F9")])
        time.sleep(0.3)
        # The calculation report, answering No to opening it.
        press(running, [("key", "ctrl+p")])
        running.focus_dialog("PDF dialog")
        press(running, [("key", "ctrl+a"), ("type", pdf), ("key", "Return")])
        time.sleep(1.0)
        running.focus_dialog("question about opening the PDF")
        press(running, [("key", "Escape")])
        time.sleep(0.3)
        running.run(["xdotool", "windowfocus", "--sync", running.window])
        if not os.path.isfile(pdf):
            faults.append("the report wrote no PDF")
        if shots:
            running.screenshot(os.path.join(shots, f"edit-{locale}-site-wind-2015.png"))
        # Save as: the dialog offers a name; a path typed over it saves there.
        press(running, [("key", "ctrl+s")])
        running.focus_dialog("Save as dialog")
        press(running, [("key", "ctrl+a"), ("type", bay), ("key", "Return")])
        time.sleep(0.5)
        running.run(["xdotool", "windowfocus", "--sync", running.window])
        if not os.path.isfile(bay):
            faults.append("Save as wrote no file")
        # New bay (nothing unsaved, so no question), then File > Open recent > the first.
        press(running, [("key", "ctrl+n")])
        time.sleep(0.3)
        press(running, [("key", "F10")] + [("key", "Down")] * 3 + [("key", "Right"),
                                                                    ("key", "Return")])
        time.sleep(0.5)
        if shots:
            running.screenshot(os.path.join(shots, f"edit-{locale}-reopened.png"))
        press(running, [("key", "ctrl+q")])
        got = running.closed_state(dump, "Ctrl+Q", unsaved=False)
    except RuntimeError as e:
        return [f"{locale}: {e}"]
    finally:
        running.close()
        shutil.rmtree(work, ignore_errors=True)
    controls = got["controls"]
    checks = [
        ("the file reopened", got["document"]["path"] == bay),
        ("nothing unsaved", got["document"]["modified"] is False),
        ("one span again", controls["Option9"]["selected"]),
        ("A1 back", controls["Text4"]["text"] == "120"),
        ("L back", controls["Text2"]["text"] == "250"),
        ("results current", got["resultsCurrent"] is True),
        ("the verdict line", (got["verdictLine"] or "").startswith(VERDICT[locale])),
        ("EN 13830:2015", got["criterion"] == "2015"),
        ("site wind applied", got["siteWind"] is not None),
    ]
    return [f"{locale}: {what}: {json.dumps(got.get('verdictLine'), ensure_ascii=False)}"
            for what, ok in checks if not ok]


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
            faults = []
            for locale in ("el_GR", "en_US"):
                faults += editing_run(program, locale, shots)
            for fault in faults:
                print(fault)
            return 1 if faults else 0
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
