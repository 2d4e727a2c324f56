#!/usr/bin/env bash
# Installs the build tree into a fresh prefix and checks that the tree runs
# where it lands: layout, SONAME, RPATH, the copied platform plug-ins, and
# the launcher itself offscreen and (when Xvfb is there) under an X server.
set -euo pipefail

build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

[ -x "$prefix/bin/zelto-launcher" ] || fail "bin/zelto-launcher missing"
[ -f "$prefix/lib/libpvk-qt.so.1" ] || fail "lib/libpvk-qt.so.1 missing"
readelf -d "$prefix/lib/libpvk-qt.so.1" | grep -q 'SONAME.*\[libpvk-qt\.so\.1\]' || fail "SONAME is not libpvk-qt.so.1"
readelf -d "$prefix/lib/libpvk-qt.so.1" | grep -qE 'R(UN)?PATH' \
  && fail "libpvk-qt.so.1 has a search path of its own"
readelf -d "$prefix/bin/zelto-launcher" | grep -E 'R(UN)?PATH' | grep -qF '[$ORIGIN/../lib]' \
  || fail "RPATH is not \$ORIGIN/../lib: $(readelf -d "$prefix/bin/zelto-launcher" | grep -E 'R(UN)?PATH' || true)"
# libarchive is bound when an archive is first opened, never at start-up.
readelf -d "$prefix/bin/zelto-launcher" | grep -q 'NEEDED.*libarchive' \
  && fail "the launcher loads libarchive at start-up"
for p in libqxcb.so libqoffscreen.so; do
  [ -f "$prefix/lib/plugins/platforms/$p" ] || fail "lib/plugins/platforms/$p missing"
done
file "$prefix/images/ico_72_orvilex.png" | grep -q 'PNG image data, 72 x 72' || fail "icon is not a 72x72 PNG"
[ -d "$prefix/log" ] || fail "log/ missing"

# The library is taken from the tree itself, not from the build folder.
resolved=$(ldd "$prefix/bin/zelto-launcher" | awk '$1 == "libpvk-qt.so.1" { print $3 }')
[ -n "$resolved" ] && [ "$(readlink -f "$resolved")" = "$(readlink -f "$prefix/lib/libpvk-qt.so.1")" ] \
  || fail "libpvk-qt.so.1 resolved to '$resolved', not inside the prefix"

run() {
  local name=$1
  shift
  mkdir -p "$work/$name/home" "$work/$name/run"
  chmod 700 "$work/$name/run"
  local rc=0
  HOME="$work/$name/home" XDG_RUNTIME_DIR="$work/$name/run" "$@" "$prefix/bin/zelto-launcher" \
    >"$work/$name/out" 2>"$work/$name/err" || rc=$?
  [ "$rc" -eq 0 ] || { cat "$work/$name/err" >&2; fail "$name: exit code $rc"; }
  [ "$(head -n 1 "$work/$name/out")" = "lib path = '$prefix/lib/plugins'" ] \
    || fail "$name: first line is '$(head -n 1 "$work/$name/out")'"
  [ -d "$work/$name/home/.QuenmarkZelto/log" ] || fail "$name: no log folder in the home"
  # The launcher leaves the client running, as at a log-in; a test must not.
  local script="$work/$name/home/.QuenmarkZelto/QuenmarkZelto.app/package/start-stop"
  if [ -x "$script" ]; then HOME="$work/$name/home" "$script" stop >/dev/null 2>&1 || true; fi
}

run offscreen env QT_QPA_PLATFORM=offscreen

if command -v xvfb-run >/dev/null && command -v Xvfb >/dev/null; then
  run x11 env -u QT_QPA_PLATFORM xvfb-run -a
else
  echo "SKIP: no Xvfb for the X server run"
fi
echo "install layout ok"
