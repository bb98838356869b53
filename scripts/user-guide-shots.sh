#!/bin/sh
# The user guide's pictures (docs/images/*.png), taken of the real window under a virtual
# display: the window at the start, and the guide's worked bay typed from the keyboard and
# designed. Run after a build and look at every picture before committing it.
#
# usage: scripts/user-guide-shots.sh [BUILD_DIR]   (needs Xvfb, xdotool and ImageMagick)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
exec /usr/bin/python3 "$root/scripts/user_guide_shots.py" "$build/bin/curtainwall" \
    "$root/tests/window/qt/veltra_keyboard.keys" "$root/docs/images"
