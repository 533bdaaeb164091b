#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The catalogue example of each document (README.md, starchase(6) as the build wrote it and man
# shows it), copied as a player would in place of the generated Quessal record: shipyard check
# must find nothing.
# Usage: DocumentedCatalogue.sh README.md starchase.6; needs SHIPYARD.
set -euo pipefail
readme=$1 page=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$SHIPYARD" generate "$work/data" >/dev/null

# The lines after the one that announces the example, its blank lines before it skipped, up to
# the next blank line, without their indent.
example() {
    awk '/one field per line, in this order:$/ { on = 1; next }
         on && /[^ ]/ { sub(/^ +/, ""); print; taken = 1; next }
         on && taken { exit }'
}

check() { # WHERE EXAMPLE
    local where=$1 lines=$2 dir="$work/copy" fields
    fields=$(grep -c . <<<"$lines") || { echo "$where: no example"; exit 1; }
    rm -rf "$dir"
    cp -r "$work/data" "$dir"
    # The generated catalogue holds Quessal as its third record, a field a line.
    { sed "$((2 * fields + 1)),$((3 * fields))d" "$work/data/alukset.txt"; echo "$lines"; } \
        >"$dir/alukset.txt"
    "$SHIPYARD" check --strict "$dir" >"$work/check.out" ||
        { echo "$where's example fails:"; cat "$work/check.out"; exit 1; }
}

check README.md "$(example <"$readme")"
check "starchase(6)" "$(LC_ALL=C MANWIDTH=200 MANROFFSEQ= man -l "$page" 2>/dev/null | example)"
echo ok
