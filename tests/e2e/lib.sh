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

# Starts Xvfb on the first free display (-displayfd) and exports DISPLAY.
# -noreset: without it quick relaunches sometimes fail to open the display.
start_x() {
    Xvfb -displayfd 1 -noreset -nolisten tcp -screen 0 1024x768x24 >"$E2E_TMP/display" 2>"$E2E_TMP/xvfb.log" &
    XVFB_PID=$!
    for _ in $(seq 100); do
        if [ -s "$E2E_TMP/display" ]; then
            export DISPLAY=":$(head -n1 "$E2E_TMP/display")"
            return 0
        fi
        sleep 0.1
    done
    cat "$E2E_TMP/xvfb.log" >&2
    fail "Xvfb did not start"
}

# start_game DIR COMMAND...: runs the game from DIR and waits for its window.
start_game() {
    local dir=$1
    shift
    (cd "$dir" && exec "$@") >"$E2E_TMP/game.out" 2>"$E2E_TMP/game.err" &
    GAME_PID=$!
    WIN=$(timeout 15 xdotool search --sync --onlyvisible --name '^Vantrel$' | head -n1)
    [ -n "$WIN" ] || fail "no window titled Vantrel"
    check_sdl_library
    settle
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

# Waits until the window content stops changing (the game is parked in its wait).
settle() {
    local previous="" current
    for _ in $(seq 50); do
        sleep 0.1
        current=$(import -window "$WIN" rgb:- 2>/dev/null | md5sum)
        [ "$current" = "$previous" ] && return 0
        previous=$current
    done
    fail "window never settled"
}

# click X Y: a left press and release at window coordinates.
click() {
    xdotool mousemove --window "$WIN" "$1" "$2" mousedown 1 mouseup 1
    settle
}

key() {
    # Only the press: the game is gone before a release could be delivered.
    xdotool keydown --window "$WIN" "$1"
}

# shot NAME: screenshot of the window into $E2E_TMP/NAME.png.
shot() {
    import -window "$WIN" "$E2E_TMP/$1.png" || fail "screenshot $1"
    echo "$E2E_TMP/$1.png"
}

# region_equals SHOT X Y FILE: the area of SHOT at (X, Y) with FILE's size
# is pixel for pixel FILE itself.
region_equals() {
    local shot=$1 x=$2 y=$3 file=$4 size diff
    size=$(identify -format '%wx%h' "$file")
    convert "$shot" -crop "${size}+${x}+${y}" +repage "$E2E_TMP/region.png"
    diff=$(compare -metric AE "$E2E_TMP/region.png" "$file" null: 2>&1)
    [ "$diff" = "0" ]
}

# wait_exit: waits for the game to end and sets EXIT_STATUS. Not to be run
# in a subshell: only this shell can wait for its own child.
wait_exit() {
    for _ in $(seq 100); do
        kill -0 "$GAME_PID" 2>/dev/null || break
        sleep 0.1
    done
    wait "$GAME_PID"
    EXIT_STATUS=$?
    GAME_PID=""
}

# quit_with_escape: Escape must end the game with status 0.
quit_with_escape() {
    key Escape
    wait_exit
    # Release it in the X server too: SDL 2 (under sdl12-compat) reports keys
    # held when a window gets focus as presses, so the next game started in
    # this server would quit at once.
    xdotool keyup Escape
    [ "$EXIT_STATUS" = 0 ] || fail "Escape must exit 0, not $EXIT_STATUS"
}
