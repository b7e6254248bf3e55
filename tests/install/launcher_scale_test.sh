#!/usr/bin/env bash
# The window scale the installed launcher chooses from the player's and the
# desktop's settings, hostile values among them. The launcher runs a
# stand-in for the game that prints what it was handed, and an xrdb that
# answers with the dots per inch in FAKE_DPI.
set -u
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/games" "$tmp/lib/games/vantrel" "$tmp/share/games/vantrel" "$tmp/bin"
cp "$build/dist/vantrel" "$tmp/games/vantrel"
printf '#!/bin/sh\necho "${SDL12COMPAT_WINDOW_SCALING-none} ${SDL12COMPAT_SCALE_METHOD-none} ${LD_LIBRARY_PATH-none}"\n' \
    >"$tmp/lib/games/vantrel/vantrel"
printf '#!/bin/sh\n[ -n "${FAKE_DPI+set}" ] && printf "Xft.antialias:\\t1\\nXft.dpi:\\t%%s\\n" "$FAKE_DPI"\n' \
    >"$tmp/bin/xrdb"
chmod +x "$tmp/games/vantrel" "$tmp/lib/games/vantrel/vantrel" "$tmp/bin/xrdb"
compat=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/sdl12-compat
[ -e "$compat/libSDL-1.2.so.0" ] || { echo "FAIL: no libsdl1.2-compat in $compat" >&2; exit 1; }

failed=0
# expect WANTED VAR=VALUE...: the launcher, in an environment of only these
# (and a PATH), hands the game WANTED: scaling, method, library path.
expect() {
    local wanted=$1 got
    shift
    got=$(env -i PATH="$tmp/bin:/usr/bin:/bin" "$@" "$tmp/games/vantrel")
    if [ "$got" != "$wanted" ]; then
        echo "FAIL: $* gave '$got', not '$wanted'" >&2
        failed=1
    fi
}

none="none none none"
expect "$none"
expect "$none" GDK_SCALE=1 QT_SCALE_FACTOR=2 DISPLAY=:9 FAKE_DPI=192  # the desktop says 1: the first source decides
expect "2 nearest $compat" GDK_SCALE=2 QT_SCALE_FACTOR=3
expect "1.5 nearest $compat" QT_SCALE_FACTOR=1.5 DISPLAY=:9 FAKE_DPI=192
expect "1.5 nearest $compat" DISPLAY=:9 FAKE_DPI=144
expect "1.25 nearest $compat" DISPLAY=:9 FAKE_DPI=120
expect "$none" FAKE_DPI=192  # no display to ask
expect "8 nearest $compat" GDK_SCALE=8
expect "$none" GDK_SCALE=8.5
# Set by the player: used as it is, on the library that scales, with the
# player's own method; a broken value is dropped.
expect "1.5 nearest $compat" SDL12COMPAT_WINDOW_SCALING=1.5 GDK_SCALE=2
expect "0.75 linear $compat:/opt/lib" SDL12COMPAT_WINDOW_SCALING=0.75 SDL12COMPAT_SCALE_METHOD=linear LD_LIBRARY_PATH=/opt/lib
for hostile in '' abc 0 0.0 -2 1e9 99999 '2;reboot' ' 2' '2 ' 1.2.3 . nan inf 0x10 '$(echo 3)'; do
    expect "1.25 nearest $compat" GDK_SCALE="$hostile" QT_SCALE_FACTOR=1.25
    expect "$none" DISPLAY=:9 FAKE_DPI="$hostile"
    expect "2 nearest $compat" SDL12COMPAT_WINDOW_SCALING="$hostile" GDK_SCALE=2
    expect "none linear none" SDL12COMPAT_WINDOW_SCALING="$hostile" SDL12COMPAT_SCALE_METHOD=linear
done
[ $failed = 0 ] && echo "launcher scale: ok"
exit $failed
