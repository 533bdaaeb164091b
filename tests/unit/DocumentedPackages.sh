#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# README's copies of tools/install-deps.sh's package lists: the packages it names for building and
# playing are the script's, in its order, and every package README says comes with --dev (the
# packer's tools, the walk-through's convert) is among the script's --dev packages.
# Usage: DocumentedPackages.sh README.md install-deps.sh
set -euo pipefail
readme=$1 script=$2

# The script's two lists, as bash reads them.
eval "$(sed -n '/^packages=(/,/^)/p; /^dev_packages=(/,/^)/p' "$script")"
[ ${#packages[@]} -gt 0 ] && [ ${#dev_packages[@]} -gt 0 ] || { echo "no lists in $script"; exit 1; }

# README's text as one line, as Markdown reads it.
flat=$(tr -s ' \n' '  ' <"$readme")
said=$(grep -o 'installs what building and playing need: `[^`]*`' <<<"$flat" | sed 's/.*: `//; s/`$//')
[ "$said" = "${packages[*]}" ] ||
    { echo "README lists [$said]; $script installs [${packages[*]}]"; exit 1; }

# "--dev packages `dpkg-dev` and `file`", "ImageMagick's, which ... --dev installs".
has_dev() {
    local p
    for p in "${dev_packages[@]}"; do [ "$p" = "$1" ] && return 0; done
    echo "README says --dev installs $1; $script does not"
    exit 1
}
grep -q 'needs the `--dev` packages `dpkg-dev` and `file`' <<<"$flat" ||
    { echo "README no longer names the packer's --dev packages"; exit 1; }
has_dev dpkg-dev
has_dev file
grep -q "ImageMagick's, which \`tools/install-deps.sh --dev\` installs" <<<"$flat" ||
    { echo "README no longer says where convert comes from"; exit 1; }
has_dev imagemagick
echo ok
