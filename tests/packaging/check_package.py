#!/usr/bin/python3
"""Checks of what `cmake --install` and the Debian package deliver.

usage: check_package.py CHECK BUILD_DIR
CHECK is one of: installed, desktop-file, appstream, deb, lintian. Exit status 77 (skipped)
when the tool a check needs is not installed; scripts/install-deps.sh installs them all."""

import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SKIP = 77
APP_ID = "org.curtainwall.curtainwall"
FILES = [
    "usr/bin/curtainwall",
    "usr/bin/curtainwall-replay",
    "usr/bin/curtainwall-batch",
    "usr/share/man/man1/curtainwall-batch.1.gz",
    f"usr/share/applications/{APP_ID}.desktop",
    f"usr/share/metainfo/{APP_ID}.metainfo.xml",
    "usr/share/icons/hicolor/scalable/apps/curtainwall.svg",
    "usr/share/man/man1/curtainwall.1.gz",
    "usr/share/man/man1/curtainwall-replay.1.gz",
    "usr/share/doc/curtainwall/copyright",
    "usr/share/doc/curtainwall/changelog.gz",
    "usr/bin/curtainwall-report",
    "usr/share/man/man1/curtainwall-report.1.gz",
    "usr/share/doc/curtainwall/method.md",
    "usr/share/doc/curtainwall/user-guide.md",
    "usr/share/doc/curtainwall/images/window-start.png",
    "usr/share/doc/curtainwall/images/window-designed.png",
]


def install(build, root):
    subprocess.run(["cmake", "--install", build, "--prefix", "/usr"], check=True,
                   env=dict(os.environ, DESTDIR=root), stdout=subprocess.DEVNULL)


def needs(tool, package):
    if shutil.which(tool):
        return True
    print(f"{tool} is not installed (package {package}; scripts/install-deps.sh installs it)")
    return False


def check_installed(root):
    failures = [f"not installed: {f}" for f in FILES if not os.path.isfile(os.path.join(root, f))]
    if failures:
        return failures
    program = os.path.join(root, "usr/bin/curtainwall")
    version = subprocess.run([program, "--version"], capture_output=True, text=True)
    if version.returncode != 0 or version.stdout.strip() != "curtainwall 5.2":
        failures.append(f"--version printed {version.stdout!r} (status {version.returncode})")
    helped = subprocess.run([program, "--help"], capture_output=True, text=True)
    for needed in ("usage: curtainwall", "--locale", "--version", "Ctrl+Q"):
        if helped.returncode != 0 or needed not in helped.stdout:
            failures.append(f"--help does not mention {needed!r}")
    wrong = subprocess.run([program, "--no-such-option"], capture_output=True, text=True)
    if wrong.returncode != 2 or "usage:" not in wrong.stderr:
        failures.append("an unknown option is not refused with the usage")

    # The installed batch designs a bay from standard input, as its manual page says.
    batch = os.path.join(root, "usr/bin/curtainwall-batch")
    version = subprocess.run([batch, "--version"], capture_output=True, text=True)
    if version.returncode != 0 or version.stdout.strip() != "curtainwall-batch 5.2":
        failures.append(f"curtainwall-batch --version printed {version.stdout!r}")
    schedule = ("id,series,system,A1,A2,L1,H1,H2,glass,band,d,f\n"
                "W1,veltra,one-span,120,90,300,100,200,10,8-20,200,15\n")
    designed = subprocess.run([batch, "-"], input=schedule, capture_output=True, text=True)
    if designed.returncode != 0 or "W1,veltra" not in designed.stdout or \
            ",pass,pass," not in designed.stdout:
        failures.append(f"curtainwall-batch on one bay: status {designed.returncode}, "
                        f"{designed.stdout!r} {designed.stderr!r}")

    # The menu entry starts the installed program and finds the installed icon.
    entry = open(os.path.join(root, f"usr/share/applications/{APP_ID}.desktop"),
                 encoding="utf-8").read().splitlines()
    keys = dict(line.split("=", 1) for line in entry if "=" in line)
    if keys.get("Exec", "").split()[0] != "curtainwall":
        failures.append(f"Exec={keys.get('Exec')}")
    if keys.get("Icon") != "curtainwall":
        failures.append(f"Icon={keys.get('Icon')}")
    icon = ET.parse(os.path.join(root, "usr/share/icons/hicolor/scalable/apps/curtainwall.svg"))
    if icon.getroot().get("viewBox") is None:
        failures.append("the icon has no viewBox, so it does not scale")
    meta = ET.parse(os.path.join(root, f"usr/share/metainfo/{APP_ID}.metainfo.xml")).getroot()
    if meta.findtext("id") != APP_ID or meta.find("launchable").text != f"{APP_ID}.desktop":
        failures.append("the metainfo does not name the desktop entry")
    return failures


def build_deb(build, out):
    subprocess.run(["cpack", "--config", os.path.join(build, "CPackConfig.cmake"), "-B", out],
                   check=True, stdout=subprocess.DEVNULL)
    debs = [f for f in os.listdir(out) if f.endswith(".deb")]
    if debs != ["curtainwall_5.2_amd64.deb"]:
        raise RuntimeError(f"cpack made {debs}")
    return os.path.join(out, debs[0])


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    check, build = sys.argv[1:]
    work = tempfile.mkdtemp(prefix="cw-package-")
    try:
        failures = []
        if check in ("installed", "desktop-file", "appstream"):
            root = os.path.join(work, "root")
            install(build, root)
            if check == "installed":
                failures = check_installed(root)
            elif check == "desktop-file":
                if not needs("desktop-file-validate", "desktop-file-utils"):
                    return SKIP
                run = subprocess.run(["desktop-file-validate", os.path.join(
                    root, f"usr/share/applications/{APP_ID}.desktop")], capture_output=True,
                    text=True)
                if run.returncode != 0 or run.stdout.strip():
                    failures.append(run.stdout + run.stderr)
            else:
                if not needs("appstreamcli", "appstream"):
                    return SKIP
                run = subprocess.run(["appstreamcli", "validate", "--no-net", os.path.join(
                    root, f"usr/share/metainfo/{APP_ID}.metainfo.xml")], capture_output=True,
                    text=True)
                if run.returncode != 0:
                    failures.append(run.stdout + run.stderr)
        elif check == "deb":
            if not needs("dpkg-deb", "dpkg") or not needs("dpkg-shlibdeps", "dpkg-dev"):
                return SKIP
            deb = build_deb(build, os.path.join(work, "out"))
            listing = subprocess.run(["dpkg-deb", "-c", deb], capture_output=True, text=True,
                                     check=True).stdout
            listed = {line.split()[-1].lstrip("./") for line in listing.splitlines()}
            failures = [f"not in the package: {f}" for f in FILES if f not in listed]
            fields = subprocess.run(["dpkg-deb", "-f", deb, "Package", "Architecture", "Depends"],
                                    capture_output=True, text=True, check=True).stdout
            for needed in ("Package: curtainwall", "Architecture: amd64", "libqt6widgets6",
                           "qt6-qpa-plugins", "libpodofo0.9.8"):
                if needed not in fields:
                    failures.append(f"control fields lack {needed!r}:\n{fields}")
        elif check == "lintian":
            if not needs("lintian", "lintian") or not needs("dpkg-shlibdeps", "dpkg-dev"):
                return SKIP
            deb = build_deb(build, os.path.join(work, "out"))
            run = subprocess.run(["lintian", deb], capture_output=True, text=True)
            print(run.stdout)
            errors = [line for line in run.stdout.splitlines() if line.startswith("E:")]
            if errors or run.returncode not in (0, 1):
                failures.extend(errors or [f"lintian failed: {run.stderr}"])
        else:
            print(__doc__)
            return 2
        for failure in failures:
            print(failure)
        return 1 if failures else 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
