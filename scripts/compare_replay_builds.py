#!/usr/bin/env python3
"""Runs two builds of curtainwall-replay on the same scripts and reports every difference.

    scripts/compare_replay_builds.py [--ignore-key KEY]... OLD_BINARY NEW_BINARY DIR...

Each DIR holds *.replay scripts; a DIR (or any parent) named like a locale (el_GR, en_US) runs
its scripts under that locale, any other under el_GR. Scripts written by the model fuzzer
(CW_FUZZ_SCRIPTS_DIR=DIR build/bin/model_fuzz_test) and the golden scripts both serve.
A refactor must leave every output byte-identical: exit status 1 on the first differences.
--ignore-key KEY leaves a top-level key of the dumps out of the comparison (a key that one
build adds, such as resultsCurrent, would otherwise make every dump differ).
"""
import concurrent.futures
import os
import pathlib
import re
import subprocess
import sys
import tempfile


def locale_of(path):
    for part in reversed(path.parts):
        if re.fullmatch(r"[a-z]{2}_[A-Z]{2}", part):
            return part
    header = path.read_text(encoding="utf-8", errors="replace").split("\n", 1)[0]
    m = re.match(r"# locale: (\S+)", header)
    return m.group(1) if m else "el_GR"


IGNORED = []


def without_ignored(stdout):
    if not IGNORED:
        return stdout
    lines = []
    for line in stdout.split(b"\n"):
        for key in IGNORED:
            line = re.sub(rb', "' + re.escape(key.encode()) + rb'": (true|false|null|"[^"]*"|-?[0-9.eE+-]+)',
                          b"", line)
        lines.append(line)
    return b"\n".join(lines)


def run(binary, script, locale):
    # A folder of its own: files a script writes (a report, a saved bay) stay out of the
    # checkout, and the two builds never write over each other's.
    with tempfile.TemporaryDirectory() as folder:
        p = subprocess.run([os.path.abspath(binary), "--locale", locale,
                            os.path.abspath(script)], capture_output=True, cwd=folder)
    return p.returncode, without_ignored(p.stdout), p.stderr


def compare(args):
    old, new, script = args
    locale = locale_of(script)
    a = run(old, script, locale)
    b = run(new, script, locale)
    return script, a == b


def main():
    args = sys.argv[1:]
    while len(args) >= 2 and args[0] == "--ignore-key":
        IGNORED.append(args[1])
        args = args[2:]
    if len(args) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    old, new = args[0], args[1]
    scripts = sorted(p for d in args[2:] for p in pathlib.Path(d).rglob("*.replay"))
    differing = []
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        for script, same in pool.map(compare, ((old, new, s) for s in scripts), chunksize=16):
            if not same:
                differing.append(script)
    print(f"{len(scripts)} scripts compared, {len(differing)} differ")
    for s in differing[:20]:
        print(f"  differs: {s}")
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())
