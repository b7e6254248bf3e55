#!/usr/bin/env bash
# How long a new player waits: from `make play` in a fresh clone to the
# game's window on screen. Clones the repository's last commit into a
# temporary folder, runs `make play` there under Xvfb and polls for the window.
# The packages must be installed already (make deps). Usage:
#   bash bench/time_to_window.sh [REPOSITORY]
# TIME_TO_WINDOW_LIMIT (600 s) bounds each wait.
source "$(dirname "$0")/../tests/e2e/lib.sh"
repo=$(cd "${1:-$(dirname "$0")/..}" && pwd)

# How long to wait for the window, and then for the game to end, before
# giving up (seconds).
limit=${TIME_TO_WINDOW_LIMIT:-600}

git clone -q "$repo" "$E2E_TMP/clone" || fail "cannot clone $repo"
start_x
load_at_start=$(cut -d' ' -f1-3 /proc/loadavg)
start=$(date +%s.%N)
# CPU time of everything make runs, to tell the work from the waiting on a
# busy machine: with two idle cores the wait is about half of it. make runs
# in a process group of its own, which is ended with this script whatever
# happens, the game it started included.
setsid bash -c 'cd "$1" && make play >"$2/make.log" 2>&1; status=$?; times >"$2/cpu"; exit $status' \
    make-play "$E2E_TMP/clone" "$E2E_TMP" &
make_pid=$!
trap 'kill -- -"$make_pid" 2>/dev/null; e2e_cleanup' EXIT
deadline=$((SECONDS + limit))
until WIN=$(xdotool search --onlyvisible --name '^Vantrel$' 2>/dev/null | head -n1) && [ -n "$WIN" ]; do
    kill -0 "$make_pid" 2>/dev/null || { cat "$E2E_TMP/make.log"; fail "make play ended without a window"; }
    [ $SECONDS -lt $deadline ] || { tail -n 20 "$E2E_TMP/make.log"; fail "no window after $limit s"; }
    sleep 0.1
done
end=$(date +%s.%N)
# The first window seen may be replaced while the game sets its video mode.
sleep 1
WIN=$(xdotool search --onlyvisible --name '^Vantrel$' 2>/dev/null | tail -n1)
xdotool key --window "$WIN" Escape
deadline=$((SECONDS + limit))
while kill -0 "$make_pid" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || fail "make play did not end after Escape"
    sleep 0.1
done
wait "$make_pid" || fail "make play did not end cleanly"
echo "compiles: $(grep -c 'Building CXX' "$E2E_TMP/make.log"), links: $(grep -c 'Linking CXX' "$E2E_TMP/make.log")"
echo "load average at the start: $load_at_start, at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
# times: the shell's own, then its children's user and system time, as 1m2.5s.
awk 'NR == 2 { gsub(/[ms]/, " "); printf "CPU time of make play (user + system): %.1f s\n", $1 * 60 + $2 + $3 * 60 + $4 }' \
    "$E2E_TMP/cpu"
awk -v a="$start" -v b="$end" 'BEGIN { printf "time to window: %.1f s\n", b - a }'
