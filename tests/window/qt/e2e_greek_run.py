#!/usr/bin/python3
"""Drives the real window under its own virtual display: a Veltra one-span run typed and
clicked in as a user would, then EXIT; checks the state the window dumps on closing.

usage: e2e_greek_run.py CURTAINWALL INVENTORY_CPP
Exit status 77 (skipped) when Xvfb or xdotool is missing."""

import os
import re
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xvfb_window import SKIP, RunningWindow, tools_missing  # noqa: E402

DPI = 96


def control_rects(inventory_cpp):
    """name -> (left, top, width, height) in twips relative to the form."""
    text = open(inventory_cpp, encoding="utf-8").read()
    rows = re.split(r"(?=CW_ID\()", text)
    found = {}
    for row in rows:
        m = re.match(r"CW_ID\((\w+)\),\s*\{(-?\d+),\s*(-?\d+),\s*(-?\d+),\s*(-?\d+)\}", row)
        if not m:
            continue
        found[m.group(1)] = ([int(v) for v in m.groups()[1:]], re.search(r'\.in\("(\w+)"\)', row))
    rects = {}
    for name, (rect, container) in found.items():
        left, top, width, height = rect
        if container:
            frame = found[container.group(1)][0]
            left, top = left + frame[0], top + frame[1]
        rects[name] = (left, top, width, height)
    return rects


def px(twips):
    return round(twips * DPI / 1440)


def click_point(name, rects, origin):
    left, top, width, height = rects[name]
    # An option button is only as wide as its indicator, at the left of its box.
    x = px(left) + 6 if name.startswith("Option") else px(left + width / 2)
    return origin[0] + x, origin[1] + px(top + height / 2)


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    program, inventory_cpp = sys.argv[1:]
    if tools_missing():
        print("not installed: " + ", ".join(tools_missing()))
        return SKIP
    rects = control_rects(inventory_cpp)
    dump = os.path.join(os.environ.get("TMPDIR", "/tmp"), f"cw-e2e-dump-{os.getpid()}.json")
    running = None
    try:
        running = RunningWindow(program, ["--locale", "el_GR", "--dump-state-on-exit", dump])
        origin = running.form_origin()

        def click(name):
            x, y = click_point(name, rects, origin)
            running.run(["xdotool", "mousemove", "--window", running.window, str(x), str(y),
                         "click", "1"])
            time.sleep(0.15)

        def type_into(name, text):
            click(name)
            running.type(text)

        click("Option10")
        click("Option9")
        type_into("Text4", "120")
        type_into("Text7", "90")
        type_into("Text2", "250")
        type_into("Text10", "100")
        type_into("Text12", "150")
        click("Option1")
        click("Command1")
        click("Command8")
        try:
            state = running.closed_state(dump, "EXIT")  # the bay typed in was never saved
        except RuntimeError as e:
            print(e)
            return 1

        expected = {"Text5": "30,52", "Text6": "KA-01", "Text14": "KA-11 + KA-12",
                    "Text25": "41,02", "Text36": "4,35"}
        failures = [f"{name}: {state['controls'][name]} instead of {want!r}"
                    for name, want in expected.items()
                    if state["controls"][name].get("text") != want
                    or not state["controls"][name]["visible"]]
        if state["messages"]:
            failures.append(f"unexpected messages {state['messages']}")
        for failure in failures:
            print(failure)
        return 1 if failures else 0
    finally:
        if running:
            running.close()
        if os.path.exists(dump):
            os.remove(dump)


if __name__ == "__main__":
    sys.exit(main())
