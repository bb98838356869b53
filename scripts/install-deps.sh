#!/usr/bin/env bash
# Installs the Debian packages curtainwall needs to build, test and run; skips apt-get when
# everything is already there.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config libgtest-dev libbenchmark-dev
    qt6-base-dev qt6-svg-dev libzip-dev libpugixml-dev libcsv-dev
    fonts-dejavu-core fonts-liberation2 xvfb xauth xdotool imagemagick python3-openpyxl
    poppler-utils libpodofo-dev
    openbox x11-utils
    clang libclang-rt-14-dev
    dpkg-dev file desktop-file-utils appstream lintian
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
    SUDO=sudo
else
    SUDO=
fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
