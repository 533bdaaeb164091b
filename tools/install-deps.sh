#!/usr/bin/env bash
# Installs the Debian packages the game, its tools and its tests need, if any are missing.
set -euo pipefail

packages=(
    cmake g++ clang libclang-rt-14-dev pkg-config
    libsdl1.2-dev libsdl1.2-compat libsdl-mixer1.2-dev libglu1-mesa-dev libgl1-mesa-dri libegl-dev
    libegl-mesa0 libx11-dev libsdl-ttf2.0-dev libfontconfig-dev fonts-dejavu-core libpng-dev
    libgtest-dev libbenchmark-dev libstb-dev libassimp-dev zlib1g-dev
    xvfb xauth xdotool imagemagick x11-apps x11-utils python3 gdb procps desktop-file-utils man-db
    groff-base
)

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
