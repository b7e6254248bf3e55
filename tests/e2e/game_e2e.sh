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

# cards_in SHOT: the card file each slot of SHOT shows, one line per slot,
# "none" where there is none; one crop of all five slots.
cards_in() {
    local table crops=() sig
    table=$(signatures "$img"/carte/*.bmp)
    for x in "${CARD_X[@]}"; do
        crops+=(\( -clone 0 -crop "$(head -n1 "$table")+$x+$CARD_Y" +repage \))
    done
    convert "$1" "${crops[@]}" -delete 0 -format '%#\n' info: | while read -r sig; do
        name_of "$table" "$sig" || echo none
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
        convert "$img/$3.bmp" -crop 200x60+600+10 +repage "$E2E_TMP/$3.png"
        click "$1" "$2"
        wait_for 600 10 "$E2E_TMP/$3.png" >/dev/null || fail "$3 not shown"
        wait_for 6 456 "$img/bouton/boutonRetourUp.bmp" >/dev/null || fail "$3: no Retour button"
        click $RETOUR
        wait_for 282 143 "$img/bouton/boutonNewGameUp.bmp" >/dev/null || fail "no way back from $3"
    done
    quit_with_escape
    ;;
round)
    start_x
    start_game "$game_dir" ./vantrel
    click $NEWGAME
    # The help caption is the bet screen's last picture.
    wait_for 118 378 "$img/texte/texteAide.bmp" >/dev/null || fail "no bet screen"
    s=$(shot bet0)
    region_equals "$s" 385 440 "$img/bouton/boutonCarteDisa.bmp" || fail "Carte not disabled at bet 0"
    region_equals "$s" 193 7 "$img/texte/texteMise.bmp" || fail "Mise message"
    [ "$(cards_in "$s" | sort -u)" = none ] || fail "bet screen shows a card"
    click $CHIP1
    wait_for 385 440 "$img/bouton/boutonCarteUp.bmp" >/dev/null || fail "Carte not enabled after a chip"
    keep_shot "$(shot bet1)" screenshot-bet
    click $CARTE
    wait_for 193 7 "$img/texte/texteFirstHand.bmp" >/dev/null || fail "first-hand message"
    dealt=$(cards_in "$(shot dealt)")
    echo "dealt:" $dealt
    [ "$(grep -c -v -e none -e back.bmp <<<"$dealt")" = 5 ] || fail "five cards face up"
    click ${GARDER_X[1]} $GARDER_Y
    click ${GARDER_X[3]} $GARDER_Y
    wait_for 329 321 "$img/bouton/boutonGarderDown.bmp" >/dev/null || fail "fourth mark"
    s=$(shot marked)
    region_equals "$s" 147 321 "$img/bouton/boutonGarderDown.bmp" || fail "second mark"
    region_equals "$s" 56 321 "$img/bouton/boutonGarderUp.bmp" || fail "first slot unmarked"
    click $CARTE
    caption=$(wait_for 118 378 "$img"/texte/combinaison/*.bmp) || fail "result screen shows no combination caption"
    echo "caption: $caption"
    s=$(shot result)
    region_equals "$s" 385 440 "$img/bouton/boutonRejouerUp.bmp" || fail "Rejouer button"
    [ "$(cards_in "$s" | grep -c -v -e none -e back.bmp)" = 5 ] || fail "final hand"
    keep_shot "$s" screenshot-result
    click $CARTE
    wait_for 118 378 "$img/texte/texteAide.bmp" >/dev/null || fail "help caption after Rejouer"
    region_equals "$(shot again)" 193 7 "$img/texte/texteMise.bmp" || fail "Rejouer did not return to the bet screen"
    quit_with_escape
    ;;
nodisplay)
    # Without a usable display the game must say so and end, never run
    # unseen on a text-mode or off-screen driver that SDL falls back on:
    # DISPLAY unset, a display no server runs on, and the X11 driver asked
    # for with no display (SDL's own reason ends the line; the compatibility
    # library words it as SDL 2). A good run ends at once; one still running
    # after 10 s is killed and fails.
    dead=77
    while [ -e "/tmp/.X11-unix/X$dead" ] || [ -e "/tmp/.X$dead-lock" ]; do dead=$((dead + 1)); done
    reason="No available video device"
    [ "${E2E_SDL:-classic}" = compat ] && reason="x11 not available"
    for run in "-u DISPLAY -u SDL_VIDEODRIVER" "-u SDL_VIDEODRIVER DISPLAY=:$dead" "-u DISPLAY SDL_VIDEODRIVER=x11"; do
        (cd "$game_dir" && exec env -u WAYLAND_DISPLAY $run timeout -s KILL 10 ./vantrel) >/dev/null 2>"$E2E_TMP/err"
        status=$?
        [ "$status" = 1 ] || fail "$run: status $status"
        # Only the last line is ours: SDL 2 may warn before it.
        line=$(tail -n1 "$E2E_TMP/err")
        if [[ $run == *x11 ]]; then
            [ "$line" = "Erreur d'initialisation de la SDL : $reason" ] || fail "$run: message: $line"
        else
            [[ $line =~ ^"Erreur d'initialisation de la SDL : ". ]] || fail "$run: message: $line"
        fi
    done
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
        wait_for 385 440 "$img/bouton/boutonRejouerUp.bmp" >/dev/null || fail "no result screen without the font"
        click $CARTE
        click $AIDE
        click $RETOUR
        wait_for 193 7 "$img/texte/texteMise.bmp" >/dev/null || fail "no bet screen after the Aide page"
    fi
    quit_with_escape
    ;;
hostile)
    # A data folder an attacker could write to; in each form the game must
    # play a round and quit as usual, in bounded time and memory.
    # gif, pcx: other formats posing as the icon (each once claimed a
    # 65535-pixel picture and crashed a decoder), and FIFOs, which block
    # whoever opens them, in place of the game background, every card, a
    # chip and the font.
    # headers: bitmaps claiming a height of INT_MIN (once a crash) as the
    # game background, every card and a chip, and 65535 × 65535 (once
    # gigabytes and a minute per load) as the start background.
    # negative, tiny-em: fonts made from the shipped one whose digits have a
    # negative advance (once a corrupted heap on the first score) or with 16
    # units per em (once a gigabyte text surface and seconds per click).
    copy=$E2E_TMP/game
    fonts=$E2E_TMP/fonts
    mkdir -p "$fonts"
    /usr/bin/python3 "$(dirname "$0")/hostile_fonts.py" "$game_dir/arial.ttf" "$fonts" || fail "could not make the fonts"
    start_x
    for variant in gif pcx headers negative tiny-em; do
        rm -rf "$copy"
        cp -r "$game_dir" "$copy"
        case $variant in
        gif)
            printf 'GIF89a\xff\xff\xff\xff\xf0\0\0\0\0\0\xff\xff\xff,\0\0\0\0\xff\xff\xff\xff\0\2\2\x44\x01\0;' \
                >"$copy/image/icon.png"
            ;;
        pcx)
            { printf '\x0a\5\1\x08\0\0\0\0\xfe\xff\xfe\xff'; head -c 116 /dev/zero; } >"$copy/image/icon.png"
            ;;
        negative | tiny-em)
            cp "$fonts/$variant.ttf" "$copy/arial.ttf"
            ;;
        esac
        files=()  # the fonts come alone
        [[ $variant == negative || $variant == tiny-em ]] ||
            files=("$copy"/image/backgroundJeu.bmp "$copy"/image/carte/*.bmp "$copy"/image/jeton/jeton1Up.bmp
                   "$copy"/arial.ttf)
        for f in "${files[@]}"; do
            if [ $variant != headers ]; then
                rm "$f" && mkfifo "$f"
            elif [[ $f == *.bmp ]]; then
                printf '\0\0\0\x80' | dd of="$f" bs=1 seek=22 conv=notrunc status=none  # the height field
            fi
        done
        [ $variant = headers ] &&
            printf '\xff\xff\0\0\xff\xff\0\0' | dd of="$copy/image/backgroundStart.bmp" bs=1 seek=18 conv=notrunc status=none
        start_game "$copy" timeout -s KILL 60 ./vantrel
        click $NEWGAME; click $CHIP1; click $CARTE; click ${GARDER_X[0]} $GARDER_Y; click $CARTE
        wait_for 385 440 "$img/bouton/boutonRejouerUp.bmp" >/dev/null || fail "$variant: no result screen"
        click $CARTE
        wait_for 118 378 "$img/texte/texteAide.bmp" >/dev/null || fail "$variant: no bet screen after Rejouer"
        # The game's peak resident memory so far: about 12 MB on the classic
        # SDL and 100 MB on the compatibility library.
        peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$(xdotool getwindowpid "$WIN")/status")
        echo "$variant: peak memory $((peak / 1024)) MB"
        [ "${peak:-0}" -gt 0 ] && [ "$peak" -lt $((300 * 1024)) ] || fail "$variant: peak memory ${peak:-unknown} kB"
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
