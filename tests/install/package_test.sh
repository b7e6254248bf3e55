#!/usr/bin/env bash
# Builds the .deb and looks inside it without installing it on the machine.
set -u
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; fail "cpack"; }
deb=$(ls "$tmp"/out/vantrel_*.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || fail "no vantrel_*.deb written"

dpkg-deb -x "$deb" "$tmp/root"
for f in usr/games/vantrel usr/lib/games/vantrel/vantrel usr/share/games/vantrel/arial.ttf \
         usr/share/games/vantrel/image/backgroundJeu.bmp usr/share/games/vantrel/image/carte/back.bmp \
         usr/share/applications/vantrel.desktop usr/share/icons/hicolor/32x32/apps/vantrel.png; do
    [ -f "$tmp/root/$f" ] || fail "missing from package: $f"
done

depends=$(dpkg-deb -f "$deb" Depends)
for p in libsdl1.2debian libsdl-ttf2.0-0 libsdl-image1.2; do
    echo "$depends" | grep -q "$p" || fail "Depends lacks $p: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = "vantrel" ] || fail "package name"
echo "package: ok ($(basename "$deb"))"
