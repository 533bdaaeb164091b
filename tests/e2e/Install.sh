#!/usr/bin/env bash
# The installed game, from one build installed twice: into a staging folder (DESTDIR, as a
# package is made) and into a per-user prefix. Each copy, started from an empty folder, plays
# its own installed ships and draws them; a folder's own catalogue and --data choose other
# ships; the desktop entry validates and starts the installed game; both manual pages render
# with no warning and cover every option and command; README's uninstall recipe removes it all.
# Needs CMAKE, BUILD, BINDIR, DATADIR, MANDIR, README.
source "$(dirname "$0")/lib.sh"
start_display
failed=$'ERROR during Initialize() Exiting...'

# The system's tools run as they are, without a sanitizer run's preloaded library.
plain() { env -u LD_PRELOAD -u ASAN_OPTIONS -u LSAN_OPTIONS -u UBSAN_OPTIONS "$@"; }

# Each install rewrites the build folder's install_manifest.txt: the user's own is put back
# after them, so that it still lists what the user installed.
manifest="$BUILD/install_manifest.txt"
[ -e "$manifest" ] && cp -p "$manifest" "$work/user.manifest"
stage="$work/stage"
home="$work/home"
installed=0
DESTDIR="$stage" "$CMAKE" --install "$BUILD" --prefix /usr >"$work/install-stage.out" &&
    HOME="$home" "$CMAKE" --install "$BUILD" --prefix "$home/.local" >"$work/install-home.out" &&
    mv "$manifest" "$work/home.manifest" || installed=$?
[ -e "$work/user.manifest" ] && mv "$work/user.manifest" "$manifest"
[ "$installed" = 0 ] || fail "install into DESTDIR and the user prefix"

# A folder with a catalogue of its own, whose one model is missing: playing it ends on that.
mkdir "$work/mod"
printf 'Other\nother.ms3d\n1\n1\n' >"$work/mod/alukset.txt"

check_copy() { # ROOT (where PREFIX lies once installed) PREFIX
    local root=$1 prefix=$2
    for f in "$BINDIR/starchase" "$BINDIR/shipyard" "$DATADIR/starchase/alukset.txt" \
        "$DATADIR/starchase/models/brightfin.ms3d" "$DATADIR/starchase/models/brightfin.tga" \
        "$DATADIR/applications/starchase.desktop" "$MANDIR/man6/starchase.6" \
        "$MANDIR/man1/shipyard.1"; do
        [ -s "$root/$f" ] || fail "$root: $f not installed"
    done
    for size in 64 128 256; do
        local icon="$root/$DATADIR/icons/hicolor/${size}x${size}/apps/starchase.png"
        [ "$(plain /usr/bin/identify -format %wx%h "$icon")" = "${size}x$size" ] ||
            fail "icon $icon"
    done
    local window_icon="$root/$DATADIR/starchase/starchase.png"
    [ "$(plain /usr/bin/identify -format %wx%h "$window_icon")" = 64x64 ] ||
        fail "no window icon in the data folder"
    # The menu's command is the installed game (the staged copy names its final place).
    local exec
    exec=$(sed -n 's/^Exec="\(.*\)"$/\1/p' "$root/$DATADIR/applications/starchase.desktop")
    [ "$exec" = "$prefix/$BINDIR/starchase" ] || fail "Exec is [$exec]"

    STARCHASE="$root/$BINDIR/starchase"
    mkdir -p "$work/empty"
    start_game "$work/empty"
    find_window 2
    expect_opening_scene "first-$(basename "$root")"
    xdotool key Escape
    wait_game_exit
    expect_status 0
    expect_output ""

    run_game_to_end "$work/mod"
    expect_status 1
    expect_output "ERROR: loading a model file other.ms3d"$'\n'"$failed"
    run_game_to_end "$work/empty" --data ../mod
    expect_status 1
    expect_output "ERROR: loading a model file other.ms3d"$'\n'"$failed"
}
check_copy "$stage/usr" /usr
check_copy "$home/.local" "$home/.local"

entry="$home/.local/$DATADIR/applications/starchase.desktop"
report=$(plain desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
"$(sed -n 's/^Exec="\(.*\)"$/\1/p' "$entry")" --version | grep -q '^starchase ' ||
    fail "the desktop entry's command does not run"

# man -l with groff's warnings on: any warning is written to standard error.
page() { # FILE
    local warnings
    warnings=$(MANROFFSEQ= MANWIDTH=80 plain man --warnings -l "$1" 2>&1 >"$work/page.txt") ||
        fail "man -l $1"
    [ -z "$warnings" ] || fail "man -l $1 warns: $warnings"
    cat "$work/page.txt"
}
game_page=$(page "$home/.local/$MANDIR/man6/starchase.6")
for heading in OPTIONS KEYS FILES CATALOGUE "EXIT STATUS"; do
    grep -q "^[A-Z ]*$heading" <<<"$game_page" || fail "starchase(6) has no $heading"
done
options=$("$STARCHASE" --help | grep -o -- '--[a-z]*' | sort -u)
[ -n "$options" ] || fail "no options in --help"
for option in $options; do
    grep -q -- "$option" <<<"$game_page" || fail "starchase(6) does not mention $option"
done
tool_page=$(page "$home/.local/$MANDIR/man1/shipyard.1")
"$home/.local/$BINDIR/shipyard" 2>"$work/usage.out" || true
commands=$(sed -n 's/^  shipyard \([a-z]*\).*/\1/p' "$work/usage.out")
[ -n "$commands" ] || fail "no commands in shipyard's usage"
for command in $commands; do
    grep -q "^       $command" <<<"$tool_page" || fail "shipyard(1) has no command $command"
done

# README's uninstall recipe, run on the per-user install's manifest, leaves nothing behind.
recipe=$(awk '/^To uninstall/ { on = 1 } on && /^    / { sub(/^    /, ""); print }
              on && /^## / { exit }' "$README")
mkdir -p "$work/recipe/build"
cp "$work/home.manifest" "$work/recipe/build/install_manifest.txt"
(cd "$work/recipe" && bash -c "$recipe") || fail "the uninstall recipe failed: $recipe"
[ ! -e "$home/.local" ] || fail "the uninstall recipe left: $(find "$home/.local")"
echo "ok"
