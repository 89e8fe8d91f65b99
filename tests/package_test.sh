#!/bin/sh
# The man pages render without a warning; the Debian package made from this build tree holds both
# games under /usr/games with their man pages, names its run-time libraries (no display stack among
# them), passes lintian (when installed) without an error or warning, has a changelog entry for this
# version, and its games run from a root it was unpacked into.
# Usage: package_test.sh SOURCE_DIR BUILD_DIR VERSION
set -eu
source_dir=$1 build_dir=$2 version=$3
for tool in cpack dpkg-deb dpkg-shlibdeps groff; do command -v $tool >/dev/null || { echo "skipped: no $tool"; exit 77; }; done

fail() { echo "FAIL: $*"; exit 1; }

for page in "$source_dir"/man/*.6; do
    warnings=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$page" 2>&1)
    [ -z "$warnings" ] || fail "$page: $warnings"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$work/cpack.log")"
deb=$(ls "$work"/blockslide_*.deb)

fields=$(dpkg-deb -f "$deb" Section Depends)
echo "$fields" | grep -qx 'Section: games' || fail "section: $fields"
echo "$fields" | grep -q libtinfo6 || fail "needs the terminfo library: $fields"
# A terminal game has no business pulling in a display stack.
echo "$fields" | grep -Eq 'libx11|libwayland|libdrm|libgbm|libsdl2' && fail "a display library: $fields"
if command -v lintian >/dev/null; then
    said=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $said"
else
    echo "lintian not run: not installed"
fi

dpkg -x "$deb" "$work/root"
zcat "$work/root/usr/share/doc/blockslide/changelog.gz" | head -n 1 | grep -q "^blockslide ($version) " ||
    fail "the changelog has no entry for $version on top"
for game in blockslide-a blockslide-b; do
    page=$work/root/usr/share/man/man6/$game.6.gz
    zcat "$page" | cmp -s - "$source_dir/man/$game.6" || fail "$page is missing or not man/$game.6"
    said=$("$work/root/usr/games/$game" --version) || fail "$game --version failed"
    [ "$(echo "$said" | head -n 1)" = "$game $version" ] || fail "$game --version said: $said"
done
echo "package ok: $(basename "$deb"), $fields"
