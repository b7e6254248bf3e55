#!/usr/bin/env bash
# Installs into a staging folder, then runs the installed launcher from an
# unrelated folder in a real X window: the art must show and Escape exit 0.
source "$(dirname "$0")/../e2e/lib.sh"
build=$1

stage=$E2E_TMP/stage
DESTDIR=$stage cmake --install "$build" --prefix /usr/local >"$E2E_TMP/install.log" || fail "install failed"
root=$stage/usr/local
data=$root/share/games/vantrel

for f in games/vantrel lib/games/vantrel/vantrel share/games/vantrel/arial.ttf \
         share/games/vantrel/image/backgroundStart.bmp share/games/vantrel/image/carte/asPique.bmp \
         share/applications/vantrel.desktop share/icons/hicolor/32x32/apps/vantrel.png; do
    [ -f "$root/$f" ] || fail "not installed: $f"
done
[ -x "$root/games/vantrel" ] || fail "launcher not executable"
[ ! -e "$data/image/.generated" ] || fail "the build stamp was installed"
grep -q '^Categories=Game;CardGame;' "$root/share/applications/vantrel.desktop" || fail "desktop entry category"
grep -q '^Icon=vantrel$' "$root/share/applications/vantrel.desktop" || fail "desktop entry icon"

start_x
start_game /tmp "$root/games/vantrel"
s=$(shot start)
region_equals "$s" 282 143 "$data/image/bouton/boutonNewGameUp.bmp" || fail "start screen does not show the installed art"
quit_with_escape
echo "installed launcher: ok"
