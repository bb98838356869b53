#!/usr/bin/env python3
"""Runs two builds of curtainwall-replay on the same scripts and reports every difference.

    scripts/compare_replay_builds.py OLD_BINARY NEW_BINARY DIR...

Each DIR holds *.replay scripts; a DIR (or any parent) named like a locale (el_GR, en_US) runs
its scripts under that locale, any other under el_GR. Scripts written by the model fuzzer
(CW_FUZZ_SCRIPTS_DIR=DIR build/bin/model_fuzz_test) and the golden scripts both serve.
A refactor must leave every output byte-identical: exit status 1 on the first differences.
"""
import concurrent.futures
import os
import pathlib
import re
import subprocess
import sys


def locale_of(path):
    for part in reversed(path.parts):
        if re.fullmatch(r"[a-z]{2}_[A-Z]{2}", part):
            return part
    header = path.read_text(encoding="utf-8", errors="replace").split("\n", 1)[0]
    m = re.match(r"# locale: (\S+)", header)
    return m.group(1) if m else "el_GR"


def run(binary, script, locale):
    p = subprocess.run([binary, "--locale", locale, str(script)], capture_output=True)
    return p.returncode, p.stdout, p.stderr


def compare(args):
    old, new, script = args
    locale = locale_of(script)
    a = run(old, script, locale)
    b = run(new, script, locale)
    return script, a == b


def main():
    if len(sys.argv) < 4:
        print(__doc__, file=sys.stderr)
        return 2
    old, new = sys.argv[1], sys.argv[2]
    scripts = sorted(p for d in sys.argv[3:] for p in pathlib.Path(d).rglob("*.replay"))
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
