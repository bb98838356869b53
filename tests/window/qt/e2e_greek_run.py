#!/usr/bin/python3
"""Drives the real window under its own virtual display: a Veltra one-span run typed and
clicked in as a user would, then EXIT; checks the state the window dumps on closing.

usage: e2e_greek_run.py CURTAINWALL INVENTORY_CPP
Exit status 77 (skipped) when Xvfb or xdotool is missing."""

import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
DPI = 96


def control_rects(inventory_cpp):
    """name -> (left, top, width, height) in twips relative to the window."""
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


def click_point(name, rects):
    left, top, width, height = rects[name]
    # An option button is only as wide as its indicator, at the left of its box.
    x = px(left) + 6 if name.startswith("Option") else px(left + width / 2)
    return x, px(top + height / 2)


def free_display():
    for n in range(90, 200):
        if not os.path.exists(f"/tmp/.X{n}-lock") and not os.path.exists(f"/tmp/.X11-unix/X{n}"):
            return n
    raise RuntimeError("no free display number")


def run(cmd, env, timeout=10):
    return subprocess.run(cmd, env=env, check=True, timeout=timeout, capture_output=True,
                          text=True).stdout.strip()


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    program, inventory_cpp = sys.argv[1:]
    if not shutil.which("Xvfb") or not shutil.which("xdotool"):
        print("Xvfb or xdotool is not installed")
        return SKIP
    rects = control_rects(inventory_cpp)

    work = tempfile.mkdtemp(prefix="cw-e2e-")
    dump = os.path.join(work, "dump.json")
    display = free_display()
    env = dict(os.environ, DISPLAY=f":{display}", XDG_RUNTIME_DIR=work)
    env.pop("QT_QPA_PLATFORM", None)
    env.pop("WAYLAND_DISPLAY", None)
    xvfb = subprocess.Popen(["Xvfb", f":{display}", "-screen", "0", "1280x1024x24", "-dpi",
                             str(DPI), "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    app = None
    try:
        for _ in range(100):
            if os.path.exists(f"/tmp/.X11-unix/X{display}"):
                break
            time.sleep(0.05)
        app = subprocess.Popen([program, "--locale", "el_GR", "--dump-state-on-exit", dump],
                               env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        window = run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(app.pid)],
                     env).splitlines()[-1]
        run(["xdotool", "windowfocus", "--sync", window], env)

        def click(name):
            x, y = click_point(name, rects)
            run(["xdotool", "mousemove", "--window", window, str(x), str(y), "click", "1"], env)
            time.sleep(0.15)

        def type_into(name, text):
            click(name)
            run(["xdotool", "type", "--delay", "30", text], env)

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
            app.wait(timeout=10)
        except subprocess.TimeoutExpired:
            print("the window did not close on EXIT (a message box may be open)")
            return 1
        if app.returncode != 0:
            print(f"curtainwall exited with {app.returncode}")
            return 1

        state = json.load(open(dump, encoding="utf-8"))
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
        for proc in (app, xvfb):
            if proc and proc.poll() is None:
                proc.send_signal(signal.SIGTERM)
                try:
                    proc.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    proc.kill()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
