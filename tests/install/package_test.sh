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

# The package holds exactly what `make install` lays out (whose content the
# install test checks), under /usr.
DESTDIR=$tmp/stage cmake --install "$build" --prefix /usr >/dev/null || fail "staged install"
(cd "$tmp/stage" && find . -type f | sort) >"$tmp/installed"
dpkg-deb -x "$deb" "$tmp/root"
(cd "$tmp/root" && find . -type f | sort) >"$tmp/packaged"
diff "$tmp/installed" "$tmp/packaged" || fail "package and install differ (< installed, > packaged)"

depends=$(dpkg-deb -f "$deb" Depends)
for p in "libsdl1.2debian | libsdl1.2-compat" libsdl-ttf2.0-0 libsdl-image1.2; do
    echo "$depends" | grep -qF "$p" || fail "Depends lacks $p: $depends"
done

# Debian's own checker: any error or warning fails; informational tags may stay.
# Its temporary files go to our folder, which goes away with the test.
mkdir "$tmp/lintian-tmp"
TMPDIR=$tmp/lintian-tmp lintian --fail-on error,warning "$deb" >"$tmp/lintian.log" 2>&1
status=$?
cat "$tmp/lintian.log"
[ "$status" = 0 ] && ! grep -q '^[EW]: ' "$tmp/lintian.log" || fail "lintian reports errors or warnings"
[ "$(dpkg-deb -f "$deb" Package)" = "vantrel" ] || fail "package name"
echo "package: ok ($(basename "$deb"))"
