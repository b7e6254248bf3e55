#!/usr/bin/env bash
# Installs into a staging folder, then runs the installed launcher from an
# unrelated folder in a real X window: the art must show and Escape exit 0.
source "$(dirname "$0")/../e2e/lib.sh"
build=$1

stage=$E2E_TMP/stage
DESTDIR=$stage cmake --install "$build" --prefix /usr/local >"$E2E_TMP/install.log" || fail "install failed"
root=$stage/usr/local
data=$root/share/games/vantrel

desktop=$root/share/applications/vantrel.desktop
metainfo=$root/share/metainfo/example.vantrel.Vantrel.metainfo.xml
for f in games/vantrel lib/games/vantrel/vantrel share/games/vantrel/arial.ttf \
         share/games/vantrel/image/backgroundStart.bmp share/games/vantrel/image/carte/asPique.bmp \
         share/man/man6/vantrel.6.gz share/doc/vantrel/changelog.gz share/doc/vantrel/copyright \
         share/icons/hicolor/scalable/apps/vantrel.svg; do
    [ -f "$root/$f" ] || fail "not installed: $f"
done
[ -x "$root/games/vantrel" ] || fail "launcher not executable"
[ ! -e "$data/image/.generated" ] || fail "the build stamp was installed"
grep -q '^Categories=Game;CardGame;' "$desktop" || fail "desktop entry category"
grep -q '^Icon=vantrel$' "$desktop" || fail "desktop entry icon"

# Every size of the hicolor theme, each really that size.
for n in 16 22 24 32 48 64 128 256; do
    icon=$root/share/icons/hicolor/${n}x${n}/apps/vantrel.png
    [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${n}x${n}" ] || fail "no ${n}x${n} icon"
done
# Both licences in full: ours and the shipped font's.
copyright=$root/share/doc/vantrel/copyright
grep -q '^License: Expat$' "$copyright" && grep -q 'Permission is hereby granted' "$copyright" || fail "MIT licence"
grep -q '^License: OFL-1.1$' "$copyright" && grep -q 'SIL OPEN FONT LICENSE Version 1.1' "$copyright" ||
    fail "font licence"
zcat "$root/share/man/man6/vantrel.6.gz" | grep -q '^\.TH VANTREL 6' || fail "man page"
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
appstreamcli validate --no-net "$metainfo" >"$E2E_TMP/appstream.log" || { cat "$E2E_TMP/appstream.log"; fail "metainfo"; }
appstreamcli validate-tree --no-net "$root" >"$E2E_TMP/appstream.log" ||
    { cat "$E2E_TMP/appstream.log"; fail "AppStream data of the installed tree (desktop entry it launches)"; }

start_x
start_game /tmp "$root/games/vantrel"
s=$(shot start)
region_equals "$s" 282 143 "$data/image/bouton/boutonNewGameUp.bmp" || fail "start screen does not show the installed art"
quit_with_escape
echo "installed launcher: ok"
