#!/usr/bin/env bash
# The installed launcher on a dense screen (Xvfb at 3840 × 2160). With the
# desktop at twice the scale, the game opens twice as large on the SDL 2
# based SDL 1.2 and plays by clicks at the scaled places, to the physical
# pixel; with no scale set the window stays as it is; a scale the player
# sets by hand is used as it is, even where the classic SDL 1.2 is the
# default.
source "$(dirname "$0")/../e2e/lib.sh"
build=$1

stage=$E2E_TMP/stage
DESTDIR=$stage cmake --install "$build" --prefix /usr/local >"$E2E_TMP/install.log" || fail "install failed"
launcher=$stage/usr/local/games/vantrel
img=$stage/usr/local/share/games/vantrel/image
E2E_SCREEN=3840x2160x24 start_x

# launch SDL VAR=VALUE...: the installed launcher from another folder, with
# these settings and no other scale; the game must run on SDL (classic or
# compat) and open a window of the given size.
launch() {
    E2E_SDL=$1
    shift
    (cd /tmp && exec env -u GDK_SCALE -u QT_SCALE_FACTOR -u SDL12COMPAT_WINDOW_SCALING -u SDL12COMPAT_SCALE_METHOD \
        -u LD_LIBRARY_PATH "$@" "$launcher") >"$E2E_TMP/game.out" 2>"$E2E_TMP/game.err" &
    GAME_PID=$!
    poll "$E2E_WAIT" window_shown || fail "$*: no window titled Vantrel"
    check_sdl_library
}
geometry() {
    xdotool getwindowgeometry "$WIN" | sed -n 's/.*Geometry: //p'
}
has_size() {
    [ "$(geometry)" = "$1" ]
}
# window_is SIZE: the window has that size (SDL may resize it once mapped).
window_is() {
    poll "$E2E_WAIT" has_size "$1"
}
# x2 FILE: the picture at twice its size, as the window shows it.
x2() {
    local copy
    copy=$E2E_TMP/x2-$(basename "$1" .bmp).png
    [ -e "$copy" ] || convert "$1" -scale 200% "$copy"
    echo "$copy"
}
# wait_x2 X Y FILE: the window shows FILE doubled at the game's (X, Y).
wait_x2() {
    wait_for $(($1 * 2)) $(($2 * 2)) "$(x2 "$3")" >/dev/null
}
# click_x2 X Y: a click at the middle of the game's pixel (X, Y).
click_x2() {
    click $(($1 * 2 + 1)) $(($2 * 2 + 1))
}

launch compat GDK_SCALE=2
window_is 1744x976 || fail "GDK_SCALE=2: window $(geometry), not 1744x976"
wait_x2 282 143 "$img/bouton/boutonNewGameUp.bmp" || fail "GDK_SCALE=2: no start screen"
click_x2 283 145
wait_x2 118 378 "$img/texte/texteAide.bmp" || fail "no bet screen"
click_x2 60 230
wait_x2 385 440 "$img/bouton/boutonCarteUp.bmp" || fail "Carte not enabled after a chip"
click_x2 400 450
wait_x2 193 7 "$img/texte/texteFirstHand.bmp" || fail "no first hand"
# The first CHANGER's rectangle is game pixels 57-126 × 322-336: physical
# pixels 114-253 × 644-673. A click just outside is followed by one on the
# second CHANGER: once that shows, the first click has been taken in too.
up=$(x2 "$img/bouton/boutonGarderUp.bmp")
down=$(x2 "$img/bouton/boutonGarderDown.bmp")
click 113 644
click_x2 182 329
wait_for 294 642 "$down" >/dev/null || fail "second CHANGER not marked"
region_equals "$(shot outside-first)" 112 642 "$up" || fail "a click left of the first physical pixel marked"
click 114 644
wait_for 112 642 "$down" >/dev/null || fail "a click on the first physical pixel did not mark"
click 254 673
click_x2 182 329
wait_for 294 642 "$up" >/dev/null || fail "second CHANGER not unmarked"
region_equals "$(shot outside-last)" 112 642 "$down" || fail "a click right of the last physical pixel unmarked"
click 253 673
wait_for 112 642 "$up" >/dev/null || fail "a click on the last physical pixel did not unmark"
click_x2 400 450
wait_x2 385 440 "$img/bouton/boutonRejouerUp.bmp" || fail "no result screen"
quit_with_escape

# No scale: as it was, on the default library and on the compatibility one.
launch classic
window_is 872x488 || fail "no scale: window $(geometry)"
wait_for 282 143 "$img/bouton/boutonNewGameUp.bmp" >/dev/null || fail "no scale: no start screen"
quit_with_escape
launch compat LD_LIBRARY_PATH="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/sdl12-compat"
window_is 872x488 || fail "no scale on sdl12-compat: window $(geometry)"
wait_for 282 143 "$img/bouton/boutonNewGameUp.bmp" >/dev/null || fail "no scale on sdl12-compat: no start screen"
quit_with_escape

# Set by hand: the launcher takes the compatibility library for it.
launch compat SDL12COMPAT_WINDOW_SCALING=1.5
window_is 1308x732 || fail "SDL12COMPAT_WINDOW_SCALING=1.5: window $(geometry)"
quit_with_escape
echo "scaled launcher: ok"
