#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The installed game, from a build folder of the test's own configured with the games layout, as
# a distribution builds it: installed into a staging folder (DESTDIR) and into a per-user prefix,
# packed by cpack into a Debian package that lintian accepts, with no hardening tag even among its
# pedantic ones (once a maintainer is given; a build without Debian's flags is refused), and
# unpacked with dpkg -x. Each copy, started from an empty folder, plays its own installed ships
# and draws them; a folder's own catalogue and --data choose other ships; the desktop entry
# validates and starts the installed game; the AppStream metadata validates where it is
# installed; both manual pages render with no warning and cover every option and command; the
# uninstall target leaves only what was there before. Needs CMAKE, CPACK, SOURCE, VERSION,
# BUILD_TYPE and SANITIZE (ON or OFF, as the build under test).
source "$(dirname "$0")/lib.sh"
start_display
failed=$'ERROR during Initialize() Exiting...'
BINDIR=games
DATADIR=share/games
SHARE=share

# The system's tools run as they are, without a sanitizer run's preloaded library.
plain() { env -u LD_PRELOAD -u ASAN_OPTIONS -u LSAN_OPTIONS -u UBSAN_OPTIONS "$@"; }

# Built as a package is, without the tests and benchmarks: the whole build is then what is
# installed, and no test program is left in it.
build="$work/build"
plain "$CMAKE" -S "$SOURCE" -B "$build" -DCMAKE_BUILD_TYPE="$BUILD_TYPE" \
    -DSTARCHASE_SANITIZE="$SANITIZE" -DBUILD_TESTING=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr -DSTARCHASE_DEBIAN_FLAGS=ON \
    -DCMAKE_INSTALL_BINDIR=$BINDIR -DCMAKE_INSTALL_DATADIR=$DATADIR >"$work/configure.out" ||
    fail "configure"
plain "$CMAKE" --build "$build" -j2 >"$work/build.out" 2>&1 || fail "build"
[ ! -e "$build/tests" ] && [ ! -e "$build/bench" ] || fail "BUILD_TESTING=OFF built tests or benchmarks"

stage="$work/stage"
DESTDIR="$stage" plain "$CMAKE" --install "$build" >"$work/install-stage.out" ||
    fail "install into DESTDIR"
# A home with a desktop entry of its own, which the uninstall leaves alone.
home="$work/home"
mkdir -p "$home/.local/$SHARE/applications"
touch "$home/.local/$SHARE/applications/other.desktop"
HOME="$home" plain "$CMAKE" --install "$build" --prefix "$home/.local" \
    >"$work/install-home.out" || fail "install into the user prefix"

# A folder with a catalogue of its own, whose one model is missing: playing it ends on that.
mkdir "$work/mod"
printf 'Other\nother.ms3d\n1\n1\n' >"$work/mod/alukset.txt"

check_copy() { # ROOT (where PREFIX lies once installed) PREFIX
    local root=$1 prefix=$2
    for f in "$BINDIR/starchase" "$BINDIR/shipyard" "$DATADIR/starchase/alukset.txt" \
        "$DATADIR/starchase/models/brightfin.ms3d" "$DATADIR/starchase/models/brightfin.tga" \
        "$SHARE/applications/starchase.desktop" "$SHARE/man/man6/starchase.6.gz" \
        "$SHARE/man/man1/shipyard.1.gz" "$SHARE/metainfo/starchase.game.starchase.metainfo.xml" \
        "$SHARE/doc/starchase/copyright" "$SHARE/doc/starchase/changelog.gz" \
        "$SHARE/doc/starchase/README.md"; do
        [ -s "$root/$f" ] || fail "$root: $f not installed"
    done
    for size in 16 22 24 32 48 64 128 256; do
        local icon="$root/$SHARE/icons/hicolor/${size}x${size}/apps/starchase.png"
        [ "$(plain /usr/bin/identify -format %wx%h "$icon")" = "${size}x$size" ] ||
            fail "icon $icon"
    done
    # The menu's command is the installed game (the staged copy names its final place).
    local exec
    exec=$(sed -n 's/^Exec="\(.*\)"$/\1/p' "$root/$SHARE/applications/starchase.desktop")
    [ "$exec" = "$prefix/$BINDIR/starchase" ] || fail "Exec is [$exec]"

    STARCHASE="$root/$BINDIR/starchase"
    mkdir -p "$work/empty"
    start_game "$work/empty"
    find_window 2
    expect_opening_scene "first-$(basename "$(dirname "$root")")"
    xdotool key Escape
    wait_game_exit
    expect_status 0
    expect_output ""

    # The tool finds the ships as the game does: here, the installed ones.
    (cd "$work/empty" && "$root/$BINDIR/shipyard" replay "$here/../data/pilot.demo") |
        grep -q ", chase over in " || fail "shipyard replay in a folder without ships"

    run_game_to_end "$work/mod"
    expect_status 1
    expect_output "ERROR: loading a model file other.ms3d"$'\n'"$failed"
    run_game_to_end "$work/empty" --data ../mod
    expect_status 1
    expect_output "ERROR: loading a model file other.ms3d"$'\n'"$failed"
}
check_copy "$stage/usr" /usr
check_copy "$home/.local" "$home/.local"

entry="$home/.local/$SHARE/applications/starchase.desktop"
report=$(plain desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
"$(sed -n 's/^Exec="\(.*\)"$/\1/p' "$entry")" --version | grep -q '^starchase ' ||
    fail "the desktop entry's command does not run"
report=$(plain appstreamcli validate-tree --no-net --pedantic "$stage/usr" 2>&1) ||
    fail "appstreamcli validate-tree: $report"

# man -l with groff's warnings on: any warning is written to standard error.
page() { # FILE
    local warnings
    warnings=$(MANROFFSEQ= MANWIDTH=80 plain man --warnings -l "$1" 2>&1 >"$work/page.txt") ||
        fail "man -l $1"
    [ -z "$warnings" ] || fail "man -l $1 warns: $warnings"
    cat "$work/page.txt"
}
game_page=$(page "$home/.local/$SHARE/man/man6/starchase.6.gz")
for heading in OPTIONS KEYS FILES ENVIRONMENT CATALOGUE "EXIT STATUS" EXAMPLES; do
    grep -q "^[A-Z ]*$heading" <<<"$game_page" || fail "starchase(6) has no $heading"
done
options=$("$STARCHASE" --help | grep -o -- '--[a-z]*' | sort -u)
[ -n "$options" ] || fail "no options in --help"
for option in $options; do
    grep -q -- "$option" <<<"$game_page" || fail "starchase(6) does not mention $option"
done
tool_page=$(page "$home/.local/$SHARE/man/man1/shipyard.1.gz")
"$home/.local/$BINDIR/shipyard" 2>"$work/usage.out" || true
commands=$(sed -n 's/^  shipyard \([a-z]*\).*/\1/p' "$work/usage.out")
[ -n "$commands" ] || fail "no commands in shipyard's usage"
for command in $commands; do
    grep -q "^       $command" <<<"$tool_page" || fail "shipyard(1) has no command $command"
done

# The uninstall target removes the per-user install (the last one) and the folders it made.
HOME="$home" plain "$CMAKE" --build "$build" --target uninstall >"$work/uninstall.out" ||
    fail "uninstall"
left=$(cd "$home" && find . | sort | tr '\n' ' ')
[ "$left" = ". ./.local ./.local/share ./.local/share/applications \
./.local/share/applications/other.desktop " ] || fail "left after uninstall: $left"

# The Debian package: with no maintainer given, packing stops and names what to set; given
# afterwards, in the same build folder, it signs the package and its changelog.
deb="$build/starchase_${VERSION}_$(plain dpkg --print-architecture).deb"
unset DEBFULLNAME DEBEMAIL
(cd "$build" && plain "$CPACK" -G DEB >"$work/cpack.out" 2>&1) && fail "packed with no maintainer"
grep -q "no maintainer: set DEBFULLNAME and DEBEMAIL or CPACK_PACKAGE_CONTACT" "$work/cpack.out" ||
    fail "cpack without a maintainer: $(cat "$work/cpack.out")"
[ ! -e "$deb" ] || fail "a package with no maintainer"
maintainer="Install Test <install-test@example.org>"
(cd "$build" && DEBFULLNAME="Install Test" DEBEMAIL=install-test@example.org \
    plain "$CPACK" -G DEB >"$work/cpack.out") || fail "cpack"
[ -s "$deb" ] || fail "no package $deb"
[ "$(plain dpkg-deb -f "$deb" Maintainer)" = "$maintainer" ] || fail "maintainer of $deb"
plain dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/starchase/changelog.gz | gunzip |
    grep -q "^ -- $maintainer  " || fail "the changelog is not signed by $maintainer"
# lintian fails on errors, or when it cannot run.
lint_status=0
lint=$(plain lintian -I --pedantic "$deb" 2>/dev/null) || lint_status=$?
echo "lintian:"$'\n'"$lint"
[ "$lint_status" = 0 ] || fail "lintian finds errors (status $lint_status)"
! grep -q ' hardening-' <<<"$lint" || fail "lintian finds the programs unhardened"
# A build folder configured without Debian's flags is not packed, before anything is built.
plain "$CMAKE" -S "$SOURCE" -B "$work/unflagged" -DCMAKE_BUILD_TYPE="$BUILD_TYPE" \
    -DBUILD_TESTING=OFF >"$work/configure-unflagged.out" || fail "configure without the flags"
(cd "$work/unflagged" && DEBFULLNAME="Install Test" DEBEMAIL=install-test@example.org \
    plain "$CPACK" -G DEB >"$work/cpack.out" 2>&1) && fail "packed without Debian's flags"
# CMake wraps the message's lines.
tr -s ' \n' '  ' <"$work/cpack.out" |
    grep -q "built without Debian's hardening flags: configure with -DSTARCHASE_DEBIAN_FLAGS=ON " ||
    fail "cpack without Debian's flags: $(cat "$work/cpack.out")"
plain dpkg -x "$deb" "$work/deb"
check_copy "$work/deb/usr" /usr
echo "ok"
