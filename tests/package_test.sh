#!/bin/sh
# The man pages render without a warning; the Debian package made from this build tree holds both
# games under /usr/games with their man pages, names its run-time libraries (no display stack among
# them), passes lintian (when installed) with no tag at all, even pedantic or informational, has a
# changelog entry for this version, and its games run from a root it was unpacked into and carry
# the hardening that Debian's own packages have: all of it, all but the checked functions
# (unfortified), or none when the build turned it off.
# Usage: package_test.sh SOURCE_DIR BUILD_DIR VERSION all|unfortified|none
set -eu
source_dir=$1 build_dir=$2 version=$3 hardening=$4
for tool in cpack dpkg-deb dpkg-shlibdeps groff readelf; do command -v $tool >/dev/null || { echo "skipped: no $tool"; exit 77; }; done

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
    case $hardening in
        all) missing= ;;
        unfortified) missing=hardening-no-fortify-functions ;;
        none) missing=hardening-no-fortify-functions,hardening-no-bindnow ;;
        *) fail "hardening: all, unfortified or none, not '$hardening'" ;;
    esac
    said=$(lintian -I --pedantic --fail-on error,warning,info,pedantic ${missing:+--suppress-tags $missing} \
        "$deb" 2>&1) || fail "lintian: $said"
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
    # Loaded at a random address, relocations resolved at start and then read-only, a canary on
    # the stack and glibc's checked functions (the __*_chk that _FORTIFY_SOURCE calls).
    [ "$hardening" = none ] && continue
    elf=$work/root/usr/games/$game
    readelf -h "$elf" | grep -Eq 'Type: +DYN' || fail "$game is not position-independent"
    readelf -d "$elf" | grep -Eq 'BIND_NOW|FLAGS_1.* NOW' || fail "$game binds lazily"
    readelf -lW "$elf" | grep -q GNU_RELRO || fail "$game has no read-only relocations"
    imports=$(readelf --dyn-syms -W "$elf")
    echo "$imports" | grep -q ' __stack_chk_fail@' || fail "$game has no stack protector"
    [ "$hardening" = unfortified ] || echo "$imports" | grep -Eq ' __[a-z0-9]+_chk@' ||
        fail "$game calls no checked function"
done
echo "package ok: $(basename "$deb"), $fields"
