#!/usr/bin/env bash
# Installs what is missing, builds, and opens the curtainwall window.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target curtainwall

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "curtainwall: no display to open the window on; run it under a virtual one:" \
         "xvfb-run -s '-screen 0 1280x1024x24' build/bin/curtainwall" >&2
    exit 1
fi
exec build/bin/curtainwall "$@"
