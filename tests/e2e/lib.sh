# Shared helpers for the tests that drive the real game in an X window.
# Sourced by the test scripts; each script gets its own Xvfb on a free display.

set -u

E2E_TMP=$(mktemp -d)
XVFB_PID=""
GAME_PID=""
WIN=""

e2e_cleanup() {
    [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# How long any wait may take before it fails; each returns as soon as its
# condition holds, so a loaded machine only makes the run slower.
E2E_WAIT=${E2E_WAIT:-60}

# game_gone: the game started by start_game has ended (quit or crashed).
game_gone() {
    [ -n "$GAME_PID" ] && ! kill -0 "$GAME_PID" 2>/dev/null
}

# poll SECONDS COMMAND...: runs COMMAND until it succeeds; fails after
# SECONDS, or at once when the game has ended: nothing it shows can come any
# more, and a crash should not sit out the whole wait.
poll() {
    local deadline=$((SECONDS + $1))
    shift
    while true; do
        if game_gone; then
            echo "the game has ended:" >&2
            tail -n 20 "$E2E_TMP/game.err" >&2 2>/dev/null
            return 1
        fi
        "$@" && return 0
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.05
    done
}

# Starts Xvfb on the first free display (-displayfd) and exports DISPLAY,
# its screen E2E_SCREEN (1024x768x24 by default) big.
# -noreset: without it quick relaunches sometimes fail to open the display.
start_x() {
    Xvfb -displayfd 1 -noreset -nolisten tcp -screen 0 "${E2E_SCREEN:-1024x768x24}" >"$E2E_TMP/display" 2>"$E2E_TMP/xvfb.log" &
    XVFB_PID=$!
    poll "$E2E_WAIT" test -s "$E2E_TMP/display" || { cat "$E2E_TMP/xvfb.log" >&2; fail "Xvfb did not start"; }
    export DISPLAY=":$(head -n1 "$E2E_TMP/display")"
}

# start_game DIR COMMAND...: runs the game from DIR and waits for its start
# screen, drawn from the art of the folder the game runs in (a launcher may
# change into another before it execs the game).
start_game() {
    local dir=$1
    shift
    (cd "$dir" && exec "$@") >"$E2E_TMP/game.out" 2>"$E2E_TMP/game.err" &
    GAME_PID=$!
    poll "$E2E_WAIT" window_shown || fail "no window titled Vantrel"
    check_sdl_library
    wait_for 282 143 "$(readlink "/proc/$GAME_PID/cwd")/image/bouton/boutonNewGameUp.bmp" >/dev/null || fail "no start"
}

# window_shown: sets WIN to the game's window once it is on screen.
window_shown() {
    WIN=$(xdotool search --onlyvisible --name '^Vantrel$' 2>/dev/null | head -n1)
    [ -n "$WIN" ]
}

# The SDL 1.2 the running game has mapped must be the one the run is for:
# E2E_SDL=compat for the compatibility library (through LD_LIBRARY_PATH), the
# classic one otherwise, so that neither run can silently test the other.
# The window names its process (the game may run under a wrapper).
check_sdl_library() {
    local pid libs
    pid=$(xdotool getwindowpid "$WIN") || fail "the window names no process"
    libs=$(grep -o '/[^ ]*/libSDL-1\.2\.so[^ ]*' "/proc/$pid/maps" | sort -u)
    [ -n "$libs" ] || fail "the game has no SDL 1.2 mapped"
    if [ "${E2E_SDL:-classic}" = compat ]; then
        [[ $libs == */sdl12-compat/* ]] || fail "the game runs on $libs, not on sdl12-compat"
    else
        [[ $libs != */sdl12-compat/* ]] || fail "the game runs on $libs, not on the classic SDL 1.2"
    fi
}

# click X Y: a left press and release at window coordinates. It does not
# wait: the game takes the events in order, and each check waits for what
# it expects to see.
click() {
    xdotool mousemove --window "$WIN" "$1" "$2" mousedown 1 mouseup 1
}

# shot NAME: screenshot of the window into $E2E_TMP/NAME.png. (import
# waits for ever on a window that is gone, hence the time limits.)
shot() {
    timeout 10 import -window "$WIN" "$E2E_TMP/$1.png" || fail "screenshot $1"
    echo "$E2E_TMP/$1.png"
}

# signature_at SOURCE X Y SIZE: signature of the pixels of SOURCE (a file or
# the window) in the SIZE area at (X, Y).
signature_at() {
    if [ "$1" = window ]; then
        timeout 10 import -window "$WIN" -crop "$4+$2+$3" +repage png:- 2>/dev/null | identify -format '%#' -
    else
        convert "$1" -crop "$4+$2+$3" +repage -format '%#' info:
    fi
}

# signatures FILE...: the path of a table of the files' common size (first
# line) and their pixel signatures with their names; made once per list.
signatures() {
    local table
    table=$E2E_TMP/signatures-$(echo "$*" | md5sum | cut -c1-16)
    [ -s "$table" ] || { identify -format '%wx%h\n' "$1" | head -n1 && identify -format '%# %f\n' "$@"; } >"$table"
    echo "$table"
}

# name_of TABLE SIGNATURE: the name of the file with that signature; fails when none.
name_of() {
    local found
    found=$(grep "^$2 " "$1" | head -n1)
    [ -n "$found" ] && echo "${found#* }"
}

# find_at SOURCE X Y FILE...: the name of the file, all of one size, whose
# pixels SOURCE shows at (X, Y); fails when none.
find_at() {
    local source=$1 x=$2 y=$3 table
    shift 3
    table=$(signatures "$@")
    name_of "$table" "$(signature_at "$source" "$x" "$y" "$(head -n1 "$table")")"
}

# wait_for X Y FILE...: waits until the window shows one of the files at
# (X, Y) and names it.
wait_for() {
    local x=$1 y=$2
    shift 2
    poll "$E2E_WAIT" find_at window "$x" "$y" "$@"
}

# region_equals SHOT X Y FILE: the area of SHOT at (X, Y) is FILE's pixels.
region_equals() {
    find_at "$1" "$2" "$3" "$4" >/dev/null
}

# wait_exit: waits for the game to end and sets EXIT_STATUS. Not to be run
# in a subshell: only this shell can wait for its own child.
wait_exit() {
    local deadline=$((SECONDS + E2E_WAIT))
    until game_gone; do
        [ $SECONDS -lt $deadline ] || fail "the game did not exit"
        sleep 0.05
    done
    wait "$GAME_PID"
    EXIT_STATUS=$?
    GAME_PID=""
}

# quit_with_escape: Escape must end the game with status 0.
quit_with_escape() {
    xdotool keydown --window "$WIN" Escape  # only the press: the game is gone before a release
    wait_exit
    # Release it in the X server too: SDL 2 (under sdl12-compat) reports keys
    # held when a window gets focus as presses, so the next game started in
    # this server would quit at once.
    xdotool keyup Escape
    [ "$EXIT_STATUS" = 0 ] || fail "Escape must exit 0, not $EXIT_STATUS"
}
