#!/bin/sh
# Builds the Debian package from a clean release tree, unpacks it into a
# temporary root and runs the games from there; checks the man pages render
# without a warning. Usage: package_test.sh SOURCE_DIR
set -eu
source_dir=$1
for tool in dpkg-deb dpkg-shlibdeps groff; do
    command -v "$tool" >/dev/null || { echo "skipped: no $tool"; exit 77; }
done

fail() { echo "FAIL: $*"; exit 1; }

for page in "$source_dir"/man/*.6; do
    warnings=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$page" 2>&1)
    [ -z "$warnings" ] || fail "$page: $warnings"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake -S "$source_dir" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DBLOCKSLIDE_TESTS=OFF -DBLOCKSLIDE_GAMES_DIR=games >/dev/null
cmake --build "$work/build" >/dev/null
(cd "$work/build" && cpack -G DEB >/dev/null)
deb=$(ls "$work"/build/blockslide_*.deb)

fields=$(dpkg-deb -f "$deb" Section Depends)
echo "$fields" | grep -q '^Section: games$' || fail "section: $fields"
echo "$fields" | grep -q 'libncursesw6' || fail "no ncurses dependency: $fields"
echo "$fields" | grep -q 'libsdl2' || fail "no SDL2 dependency: $fields"

dpkg -x "$deb" "$work/root"
for game in blockslide-a blockslide-b; do
    [ -f "$work/root/usr/share/man/man6/$game.6.gz" ] || fail "no man page for $game"
    version=$("$work/root/usr/games/$game" --version) || fail "$game --version"
    [ "$(echo "$version" | head -n 1)" = "$game 1.0" ] || fail "$game --version said: $version"
done
echo "package ok: $(basename "$deb")"
