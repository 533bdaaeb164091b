#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that are missing: by default what building and playing the game
# need; with --dev also what its tests and benchmarks need.
set -euo pipefail

packages=(
    cmake g++ pkg-config
    libsdl1.2-dev libsdl-mixer1.2-dev libasound2-dev libsdl-ttf2.0-dev libfontconfig-dev fonts-dejavu-core
    libpng-dev libx11-dev libxrandr-dev libglu1-mesa-dev libgl1-mesa-dri libegl-dev libegl-mesa0
)
dev_packages=(
    clang libclang-rt-14-dev libsdl1.2-compat
    libgtest-dev libbenchmark-dev libstb-dev libassimp-dev
    xvfb xauth xdotool imagemagick x11-apps x11-utils python3 gdb procps desktop-file-utils man-db
    groff-base appstream lintian dpkg-dev file tesseract-ocr
)

case "${1:-}" in
--dev) packages+=("${dev_packages[@]}") ;;
"") ;;
*) echo "usage: $0 [--dev]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
