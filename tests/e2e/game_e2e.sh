#!/usr/bin/env bash
# End-to-end cases of the built game in a real X window.
# Usage: game_e2e.sh CASE RUNTIME_DIR [SCREENSHOT_DIR]
source "$(dirname "$0")/lib.sh"
case_name=$1
game_dir=$(cd "$2" && pwd)
shots_out=${3:-}

img=$game_dir/image

# Positions the game draws at (window pixels).
NEWGAME="283 145"; OPTION="300 270"; AIDE="20 430"; RETOUR="20 460"; CARTE="400 450"
CHIP1="60 230"
GARDER_X=(70 161 252 343 434); GARDER_Y=325
CARD_X=(61 152 243 334 425); CARD_Y=221

# Fingerprint of an image's pixels, to tell which file a screen region shows.
pixels() { convert "$1" -depth 8 rgb:- | md5sum | cut -d' ' -f1; }

# card_at SHOT I: the card file whose pixels are those of slot I, or nothing.
card_at() {
    local shot=$1 i=$2 size region f
    size=$(identify -format '%wx%h' "$img/carte/back.bmp")
    convert "$shot" -crop "${size}+${CARD_X[$i]}+${CARD_Y}" +repage "$E2E_TMP/card.png"
    region=$(pixels "$E2E_TMP/card.png")
    for f in "$img"/carte/*.bmp; do
        [ "$(pixels "$f")" = "$region" ] && { basename "$f"; return; }
    done
}

keep_shot() {  # keep_shot SHOT NAME: copy for the README when asked to
    [ -n "$shots_out" ] && cp "$1" "$shots_out/$2.png"
    return 0
}

case $case_name in
window)
    start_x
    start_game "$game_dir" ./vantrel
    [ "$(xdotool getwindowname "$WIN")" = "Vantrel" ] || fail "caption"
    geometry=$(xdotool getwindowgeometry "$WIN" | sed -n 's/.*Geometry: //p')
    [ "$geometry" = "872x488" ] || fail "window is $geometry"
    s=$(shot start)
    [ "$(identify -format '%wx%h' "$s")" = "872x488" ] || fail "screenshot size"
    region_equals "$s" 282 143 "$img/bouton/boutonNewGameUp.bmp" || fail "NewGame button"
    region_equals "$s" 282 202 "$img/bouton/boutonResumeClose.bmp" || fail "closed Resume button"
    keep_shot "$s" screenshot-start
    quit_with_escape
    ;;
pages)
    start_x
    start_game "$game_dir" ./vantrel
    # The Aide page and the options screen: each shows its own background
    # with Retour, and Retour leads back to the start screen.
    for page in "$AIDE backgroundAide" "$OPTION backgroundOption"; do
        set -- $page
        click "$1" "$2"
        s=$(shot "$3")
        region_equals "$s" 6 456 "$img/bouton/boutonRetourUp.bmp" || fail "$3: no Retour button"
        convert "$img/$3.bmp" -crop 200x60+600+10 +repage "$E2E_TMP/page-bg.png"
        region_equals "$s" 600 10 "$E2E_TMP/page-bg.png" || fail "$3 not shown"
        click $RETOUR
        region_equals "$(shot "back-$3")" 282 143 "$img/bouton/boutonNewGameUp.bmp" || fail "no way back from $3"
    done
    quit_with_escape
    ;;
round)
    start_x
    start_game "$game_dir" ./vantrel
    click $NEWGAME
    s=$(shot bet0)
    region_equals "$s" 385 440 "$img/bouton/boutonCarteDisa.bmp" || fail "Carte not disabled at bet 0"
    region_equals "$s" 193 7 "$img/texte/texteMise.bmp" || fail "Mise message"
    for i in 0 1 2 3 4; do
        [ -z "$(card_at "$s" $i)" ] || fail "bet screen shows a card in slot $i"
    done
    click $CHIP1
    s=$(shot bet1)
    region_equals "$s" 385 440 "$img/bouton/boutonCarteUp.bmp" || fail "Carte not enabled after a chip"
    keep_shot "$s" screenshot-bet
    click $CARTE
    s=$(shot dealt)
    for i in 0 1 2 3 4; do
        c=$(card_at "$s" $i)
        [ -n "$c" ] || fail "slot $i shows no card bitmap"
        [ "$c" != "back.bmp" ] || fail "slot $i is face down"
        echo "slot $i: $c"
    done
    region_equals "$s" 193 7 "$img/texte/texteFirstHand.bmp" || fail "first-hand message"
    click ${GARDER_X[1]} $GARDER_Y
    click ${GARDER_X[3]} $GARDER_Y
    s=$(shot marked)
    region_equals "$s" 147 321 "$img/bouton/boutonGarderDown.bmp" || fail "second mark"
    region_equals "$s" 329 321 "$img/bouton/boutonGarderDown.bmp" || fail "fourth mark"
    region_equals "$s" 56 321 "$img/bouton/boutonGarderUp.bmp" || fail "first slot unmarked"
    click $CARTE
    s=$(shot result)
    caption=""
    for f in "$img"/texte/combinaison/*.bmp; do
        region_equals "$s" 118 378 "$f" && caption=$(basename "$f")
    done
    [ -n "$caption" ] || fail "result screen shows no combination caption"
    echo "caption: $caption"
    region_equals "$s" 385 440 "$img/bouton/boutonRejouerUp.bmp" || fail "Rejouer button"
    for i in 0 1 2 3 4; do
        [ -n "$(card_at "$s" $i)" ] || fail "final hand slot $i"
    done
    keep_shot "$s" screenshot-result
    click $CARTE
    s=$(shot again)
    region_equals "$s" 193 7 "$img/texte/texteMise.bmp" || fail "Rejouer did not return to the bet screen"
    region_equals "$s" 118 378 "$img/texte/texteAide.bmp" || fail "help caption after Rejouer"
    quit_with_escape
    ;;
nodisplay)
    out=$(cd "$game_dir" && env -u DISPLAY SDL_VIDEODRIVER=x11 ./vantrel 2>&1 >/dev/null)
    status=$?
    [ "$status" = 1 ] || fail "status $status without a display"
    [ "$out" = "Erreur d'initialisation de la SDL : No available video device" ] || fail "message: $out"
    ;;
noicon|nofont)
    copy=$E2E_TMP/game
    cp -r "$game_dir" "$copy"
    if [ "$case_name" = noicon ]; then rm "$copy/image/icon.png"; else rm "$copy/arial.ttf"; fi
    start_x
    start_game "$copy" ./vantrel
    [ "$(xdotool getwindowname "$WIN")" = "Vantrel" ] || fail "caption"
    if [ "$case_name" = nofont ]; then
        click $NEWGAME; click $CHIP1; click $CARTE; click $CARTE
        s=$(shot nofont)
        region_equals "$s" 385 440 "$img/bouton/boutonRejouerUp.bmp" || fail "no result screen without the font"
        click $CARTE
        click $AIDE
        click $RETOUR
        kill -0 "$GAME_PID" 2>/dev/null || fail "game died without its font"
    fi
    quit_with_escape
    ;;
hostile)
    # A data folder an attacker could write to: other formats posing as the
    # icon (each once claimed a 65535-pixel picture and crashed a decoder),
    # and FIFOs, which block whoever opens them, in place of the game
    # background, every card, a chip and the font. The game must play a round
    # and quit as usual, in bounded time.
    copy=$E2E_TMP/game
    start_x
    for icon in gif pcx; do
        rm -rf "$copy"
        cp -r "$game_dir" "$copy"
        if [ $icon = gif ]; then
            printf 'GIF89a\xff\xff\xff\xff\xf0\0\0\0\0\0\xff\xff\xff,\0\0\0\0\xff\xff\xff\xff\0\2\2\x44\x01\0;'
        else
            printf '\x0a\5\1\x08\0\0\0\0\xfe\xff\xfe\xff'; head -c 116 /dev/zero
        fi >"$copy/image/icon.png"
        for f in "$copy"/image/backgroundJeu.bmp "$copy"/image/carte/*.bmp "$copy"/image/jeton/jeton1Up.bmp \
                 "$copy"/arial.ttf; do
            rm "$f" && mkfifo "$f"
        done
        start_game "$copy" timeout -s KILL 60 ./vantrel
        click $NEWGAME; click $CHIP1; click $CARTE; click ${GARDER_X[0]} $GARDER_Y; click $CARTE
        region_equals "$(shot hostile-$icon)" 385 440 "$img/bouton/boutonRejouerUp.bmp" || fail "$icon: no result screen"
        click $CARTE
        quit_with_escape
    done
    ;;
close)
    start_x
    start_game "$game_dir" ./vantrel
    kill -TERM "$GAME_PID"  # reaches the game as the window's close request
    wait_exit
    [ "$EXIT_STATUS" = 0 ] || fail "close request must exit 0, not $EXIT_STATUS"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
echo "$case_name: ok"
