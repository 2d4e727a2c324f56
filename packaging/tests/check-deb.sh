#!/usr/bin/env bash
# The Debian package as a packager and a user meet it. Built from the build
# tree into a scratch folder, it must pass lintian, the AppStream, desktop
# entry and manual page checks and the hardening check; its programs must be
# stripped with their debug symbols in the -dbgsym package; unpacked there
# (dpkg -x: nothing is installed on this machine), its autostart entry's
# command must run for a private home, exit 0 and leave the client running,
# and under an X server its dialog must have the window class that the menu
# entry names.
#
# The package is the package's, not its builder's: every folder 0755, every
# file 0644 or 0755, all owned by root and dated the last commit, in the
# .deb and in the client archive it carries; and a second build of the same
# sources, exported elsewhere with group-writable files and built under
# umask 002 into another folder, gives the same .deb and .ddeb byte for
# byte (ZELTO_SKIP_REBUILD=1 leaves that build out, with a note).
#
# Nothing here lists what the package holds: every check walks what it finds.
#
#   check-deb.sh BUILD_DIR SCRATCH_DIR [SOURCE_DIR]
set -euo pipefail

build=$(cd "$1" && pwd)
scratch=$2
source_dir=${3:-}
. "$(dirname "$0")/check-lib.sh"

for tool in cpack dpkg-deb lintian appstreamcli desktop-file-validate hardening-check man readelf file; do
  command -v "$tool" >/dev/null || die "$tool is missing; scripts/deps.sh installs it"
done

fresh_scratch

step "cpack -G DEB"
cpack_into DEB "$scratch/pkg"
only_one deb "$scratch"/pkg/*.deb
only_one ddeb "$scratch"/pkg/*.ddeb
package=$(dpkg-deb -f "$deb" Package)
version=$(dpkg-deb -f "$deb" Version)
echo "$deb: $package $version"
dpkg-deb -I "$deb" | sed -n '/^ Depends:/p;/^ Recommends:/p'
[ "$(dpkg-deb -f "$ddeb" Package)" = "$package-dbgsym" ] || fail "the debug package is not $package-dbgsym"
[ "$(dpkg-deb -f "$ddeb" Version)" = "$version" ] || fail "the debug package's version is not $version"

step "lintian"
# Errors and warnings fail; the overrides in the package itself say why
# what lintian cannot know about (the tree under /opt) is accepted.
lintian --fail-on error,warning --display-info --pedantic "$deb" || fail "lintian found errors or warnings"

# The modes, owners and times of a tar listing (tar -tv --full-time):
# folders 0755, files 0644 or 0755, links, owned by root, dated $date.
check_entries() {
  local what=$1 listing=$2 mode owner day time name bad=0
  while read -r mode owner _ day time name; do
    case $mode in
      d*) [ "$mode" = drwxr-xr-x ] ;;
      l*) [ "$mode" = lrwxrwxrwx ] ;;
      -*) [ "$mode" = -rw-r--r-- ] || [ "$mode" = -rwxr-xr-x ] ;;
      *) false ;;
    esac || { fail "$what: $name has mode $mode"; bad=1; }
    case $owner in root/root|0/0) ;; *) fail "$what: $name is owned by $owner"; bad=1 ;; esac
    [ "$day $time" = "$stamp" ] || { fail "$what: $name is dated $day $time, not $stamp"; bad=1; }
  done <<<"$listing"
  [ "$bad" -eq 0 ] && echo "$what: $(wc -l <<<"$listing") entries, modes, owners and times as they must be"
}
date_epoch=$(cat "$build/source-date-epoch" 2>/dev/null || true)
[ -n "$date_epoch" ] || die "$build/source-date-epoch is missing: the build has no fixed date"
stamp=$(TZ=UTC date -d "@$date_epoch" '+%Y-%m-%d %H:%M:%S')

step "modes, owners and times"
check_entries "${deb##*/}" "$(TZ=UTC dpkg-deb --fsys-tarfile "$deb" | TZ=UTC tar -tv --full-time)"
check_entries "${ddeb##*/}" "$(TZ=UTC dpkg-deb --fsys-tarfile "$ddeb" | TZ=UTC tar -tv --full-time)"

step "unpacking into $scratch/root"
dpkg-deb -x "$deb" "$scratch/root"
dpkg-deb -x "$ddeb" "$scratch/dbgsym"
root=$scratch/root

step "desktop entries"
entries=()
while IFS= read -r -d '' f; do entries+=("$f"); done < <(find "$root" -name '*.desktop' -not -path "$root/opt/*" -print0)
[ ${#entries[@]} -ge 2 ] || fail "expected a menu and an autostart entry, found ${#entries[@]}"
for entry in "${entries[@]}"; do
  out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate ${entry#"$root"}: $out"
  [ -z "$out" ] || fail "desktop-file-validate ${entry#"$root"}: $out"
  icon=$(sed -n 's/^Icon=//p' "$entry")
  case $icon in
    ''|/*) fail "${entry#"$root"} does not name its icon by theme name: '$icon'" ;;
    *) [ -n "$(find "$root/usr/share/icons/hicolor" -name "$icon.png" -o -name "$icon.svg" | sed -n 1p)" ] ||
         fail "${entry#"$root"}: icon '$icon' is not in the hicolor theme of the package" ;;
  esac
done
autostart=$(find "$root/etc/xdg/autostart" -name '*.desktop' | sed -n 1p)
[ -n "$autostart" ] || die "no autostart entry in /etc/xdg/autostart"
conffiles=$(dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./conffiles 2>/dev/null || true)
grep -qxF "${autostart#"$root"}" <<<"$conffiles" || fail "${autostart#"$root"} is not a conffile"

step "AppStream"
metainfo=("$root"/usr/share/metainfo/*.xml)
[ -f "${metainfo[0]}" ] || die "no AppStream metainfo in /usr/share/metainfo"
appstreamcli validate --no-net --pedantic "${metainfo[@]}" || fail "appstreamcli validate"
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"

step "manual pages"
pages=("$root"/usr/share/man/man*/*)
[ -f "${pages[0]}" ] || fail "no manual page"
for page in "${pages[@]}"; do
  [ -f "$page" ] || continue
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "${page#"$root"} renders with warnings: $warnings"
done

step "hardening, stripping and debug symbols"
elves=0
while IFS= read -r -d '' f; do
  kind=$(LC_ALL=C file -b "$f")
  case $kind in ELF*) ;; *) continue ;; esac
  elves=$((elves + 1))
  name=${f#"$root"}
  hardening-check --nocfprotection "$f" || fail "$name is not hardened"
  case $kind in *"not stripped"*) fail "$name is not stripped" ;; esac
  id=$(LC_ALL=C readelf -n "$f" | sed -n 's/^ *Build ID: *\([0-9a-f]*\)$/\1/p')
  debug=$scratch/dbgsym/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug
  if [ -z "$id" ]; then
    fail "$name has no build id"
  elif [ ! -f "$debug" ] || ! LC_ALL=C readelf -S "$debug" 2>/dev/null | grep -c '\.debug_info' >/dev/null; then
    fail "$name: no debug symbols for build id $id in the -dbgsym package"
  fi
done < <(find "$root" -type f -print0)
[ "$elves" -gt 0 ] || fail "no programs in the package"
echo "$elves ELF files checked"

# From here on the package is run: where its launcher lies, the autostart
# entry says.
exec_line=$(sed -n 's/^Exec=//p' "$autostart")
launcher=${exec_line%\"}
launcher=${launcher#\"}
prefix=$root$(dirname -- "$(dirname -- "$launcher")")
launcher=$root$launcher
[ -x "$launcher" ] || die "the autostart entry's command $exec_line is not in the package"

step "the client package and its version"
info=$prefix/INFO
build_no=$(sed -n 's/^build_version=//p' "$info")
major=$(sed -n 's/^major_version=//p' "$info")
minor=$(sed -n 's/^minor_version=//p' "$info")
[[ $version == *"+$major.$minor.$build_no-"* ]] ||
  fail "version $version does not carry the client package's $major.$minor build $build_no"
for archive in "$prefix"/package/*.qpk; do
  folder=${archive%.qpk}
  mkdir -p "$scratch/archive"
  check_entries "${archive#"$root"}" "$(TZ=UTC tar -tvz --full-time -f "$archive")"
  tar -xzf "$archive" -C "$scratch/archive"
  diff -r "$scratch/archive" "$folder" || fail "${archive#"$root"} does not hold ${folder#"$root"} as shipped"
  rm -rf -- "$scratch/archive"
done

step "Qt plug-ins from the system"
plugins=$prefix/lib/plugins
if [ ! -L "$plugins" ]; then
  fail "${plugins#"$root"} is not a link to the system's Qt plug-ins"
else
  target=$(readlink -- "$plugins")
  echo "${plugins#"$root"} -> $target"
  [ -d "$target/platforms" ] || fail "$target has no platforms folder here"
  needs="$(dpkg-deb -f "$deb" Depends), $(dpkg-deb -f "$deb" Recommends)"
  for platform in xcb wayland-generic offscreen; do
    plugin=$target/platforms/libq$platform.so
    [ -e "$plugin" ] || { echo "($platform: no plug-in on this machine)"; continue; }
    owner=$(dpkg -S "$plugin" 2>/dev/null | sed -n '1s/:.*//p' || true)
    [ -n "$owner" ] || { echo "($platform: $plugin belongs to no package)"; continue; }
    grep -Eq "(^|[ ,|])$owner( |,|$)" <<<"$needs" ||
      fail "the $platform platform comes from $owner, which the package neither depends on nor recommends"
  done
fi

step "libraries loaded at run time"
# A library the launcher names but does not link (it loads it with dlopen)
# is invisible to dpkg-shlibdeps: its package must be declared by hand.
needs="$(dpkg-deb -f "$deb" Depends), $(dpkg-deb -f "$deb" Recommends)"
linked=$(LC_ALL=C readelf -d "$launcher" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
for soname in $(strings -a "$launcher" | grep -E '^lib[A-Za-z0-9_+.-]+\.so\.[0-9]+$' | sort -u); do
  grep -qxF "$soname" <<<"$linked" && continue
  owner=$(dpkg -S "*/$soname" 2>/dev/null | sed -n '1s/:.*//p' || true)
  [ -n "$owner" ] || { echo "($soname: no package here has it)"; continue; }
  if grep -Eq "(^|[ ,|])$owner( |,|$)" <<<"$needs"; then
    echo "$soname (loaded at run time) comes from $owner, which the package declares"
  else
    fail "the launcher loads $soname from $owner, which the package neither depends on nor recommends"
  fi
done

step "running ${launcher#"$root"} for a private home"
home=$scratch/home
runtime=$scratch/runtime
mkdir -p "$home"
mkdir -m 700 "$runtime"
pid_file=$home/.QuenmarkZelto/ui.pid
xvfb='' stubborn=''
# The clients these runs started, and the X server, go at the end.
stop_client() {
  local pid
  [ -f "$1" ] || return 0
  pid=$(sed -n 's/^pid=\([0-9][0-9]*\)$/\1/p' "$1" 2>/dev/null || true)
  if [ -n "$pid" ] && [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = cloud-zelto-ui ]; then
    kill "$pid" 2>/dev/null || true
  fi
}
clean_up() {
  stop_client "$pid_file"
  stop_client "$scratch/home-x/.QuenmarkZelto/ui.pid"
  [ -z "$stubborn" ] || kill -KILL "$stubborn" 2>/dev/null || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
}
trap clean_up EXIT
rc=0
env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
  timeout 300 "$launcher" >"$scratch/launcher.out" 2>"$scratch/launcher.err" || rc=$?
cat "$scratch/launcher.out" "$scratch/launcher.err"
[ "$rc" -eq 0 ] || fail "the launcher exited with $rc"
grep -qF "lib path = '$prefix/lib/plugins'" "$scratch/launcher.out" ||
  fail "the launcher did not take its plug-ins from ${plugins#"$root"}"
pid=$(sed -n 's/^pid=\([0-9][0-9]*\)$/\1/p' "$pid_file" 2>/dev/null || true)
if [ -z "$pid" ]; then
  fail "the client wrote no pid file ($pid_file)"
elif [ "$(cat "/proc/$pid/comm" 2>/dev/null)" != cloud-zelto-ui ]; then
  fail "the client (pid $pid) does not run"
else
  echo "client started: pid $pid, $(readlink "/proc/$pid/exe")"
fi
tail -n 5 "$home/.QuenmarkZelto/log/launcher.log" 2>/dev/null || true

step "the dialog's window class under X"
# An older copy to upgrade and a client of it that ignores the termination
# signal: the launcher gives it about five seconds, with its dialog up,
# before it kills it.
if ! command -v Xvfb >/dev/null || ! command -v xwininfo >/dev/null; then
  echo "SKIP: no Xvfb or xwininfo here (packages xvfb, x11-utils)"
else
  menu_entry=$(find "$root/usr/share/applications" -name '*.desktop' | sed -n 1p)
  wm_class=$(sed -n 's/^StartupWMClass=//p' "$menu_entry")
  [ -n "$wm_class" ] || fail "${menu_entry#"$root"} has no StartupWMClass"
  xhome=$scratch/home-x
  folder=$(find "$prefix/package" -mindepth 1 -maxdepth 1 -type d | sed -n 1p)
  mkdir -p "$xhome/.QuenmarkZelto"
  cp -a "$folder" "$xhome/.QuenmarkZelto/QuenmarkZelto.app"
  sed -i "s/^build_version=.*/build_version=$((build_no - 1))/" "$xhome/.QuenmarkZelto/QuenmarkZelto.app/INFO"
  # Its working folder inside the copy makes it the copy's client.
  (cd "$xhome/.QuenmarkZelto/QuenmarkZelto.app" && exec sh -c 'trap "" TERM; exec sleep 300') &
  stubborn=$!
  printf 'pid=%s\n' "$stubborn" >"$xhome/.QuenmarkZelto/ui.pid"
  Xvfb -displayfd 7 -screen 0 1024x768x24 7>"$scratch/display" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 300); do [ -s "$scratch/display" ] && break; sleep 0.1; done
  display=:$(cat "$scratch/display")
  # Started under another name, which must not change the class.
  ln -s "$(basename -- "$launcher")" "$(dirname -- "$launcher")/start-zelto"
  env -i PATH=/usr/bin:/bin HOME="$xhome" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8 QT_QPA_PLATFORM=xcb \
    DISPLAY="$display" timeout 300 "$(dirname -- "$launcher")/start-zelto" \
    >"$scratch/launcher-x.out" 2>"$scratch/launcher-x.err" &
  launcher_pid=$!
  classes=''
  for _ in $(seq 600); do
    classes=$(DISPLAY=$display xwininfo -root -children 2>/dev/null |
              sed -n 's/.*("[^"]*" "\([^"]*\)").*/\1/p' | sort -u)
    [ -n "$classes" ] && break
    kill -0 "$launcher_pid" 2>/dev/null || break
    sleep 0.1
  done
  rc=0
  wait "$launcher_pid" || rc=$?
  cat "$scratch/launcher-x.out" "$scratch/launcher-x.err"
  [ "$rc" -eq 0 ] || fail "the launcher under X exited with $rc"
  new_pid=$(sed -n 's/^pid=\([0-9][0-9]*\)$/\1/p' "$xhome/.QuenmarkZelto/ui.pid" 2>/dev/null || true)
  [ -n "$new_pid" ] && [ "$new_pid" != "$stubborn" ] || fail "the client upgraded under X did not start"
  echo "window classes seen: ${classes:-none}; the menu entry's StartupWMClass: $wm_class"
  [ "$classes" = "$wm_class" ] || fail "the dialog's window class is not the menu entry's StartupWMClass"

  # The window that stays is the client's: a shipped desktop entry must name
  # its class, with the menu entry's name and icon, and it must carry an icon.
  client_window='' client_class=''
  for _ in $(seq 300); do
    line=$(DISPLAY=$display xwininfo -root -children 2>/dev/null | grep -F '"Quenmark Zelto Client"' | sed -n 1p || true)
    if [ -n "$line" ]; then
      client_window=$(awk '{print $1}' <<<"$line")
      client_class=$(sed -n 's/.*("[^"]*" "\([^"]*\)").*/\1/p' <<<"$line")
      break
    fi
    sleep 0.1
  done
  if [ -z "$client_window" ]; then
    fail "the client upgraded under X shows no window"
  else
    naming=$(grep -lx "StartupWMClass=$client_class" "$root"/usr/share/applications/*.desktop || true)
    if [ -z "$naming" ]; then
      fail "no shipped desktop entry names the client's window class '$client_class'"
    else
      echo "the client's window class '$client_class' is named by ${naming#"$root"}"
      for key in Name Icon; do
        [ "$(sed -n "s/^$key=//p" "$naming")" = "$(sed -n "s/^$key=//p" "$menu_entry")" ] ||
          fail "${naming#"$root"}: $key is not the menu entry's"
      done
    fi
    # Qt sets the icon right after it made the window.
    icon=''
    for _ in $(seq 100); do
      if DISPLAY=$display xprop -id "$client_window" _NET_WM_ICON 2>/dev/null | grep -q '^_NET_WM_ICON(CARDINAL) = '; then
        icon=yes
        break
      fi
      sleep 0.1
    done
    [ -n "$icon" ] || fail "the client's window has no icon (_NET_WM_ICON)"
    # A picture of it in a task bar, to look at: openbox and tint2.
    if command -v openbox >/dev/null && command -v tint2 >/dev/null && command -v import >/dev/null; then
      DISPLAY=$display openbox >/dev/null 2>&1 & wm=$!
      DISPLAY=$display tint2 >/dev/null 2>&1 & panel=$!
      for _ in $(seq 100); do
        DISPLAY=$display xwininfo -root -children 2>/dev/null | grep -q '"tint2"' && break
        sleep 0.1
      done
      sleep 1
      DISPLAY=$display import -window root "$scratch/taskbar.png" && echo "picture: $scratch/taskbar.png"
      kill "$panel" "$wm" 2>/dev/null || true
    fi
  fi
fi

step "a second build: other folders, group-writable sources, umask 002"
# Only the targets the package installs, with the compiler cache where
# there is one; the first build's choices, and its date.
if [ "${ZELTO_SKIP_REBUILD:-0}" = 1 ]; then
  echo "SKIP: ZELTO_SKIP_REBUILD=1"
elif [ -z "$source_dir" ]; then
  echo "SKIP: no source folder given"
else
  started=$(date +%s)
  # The build folder lies where the first one lies relative to its sources:
  # a compiler cache with a base folder hands the compiler relative paths,
  # which no prefix map touches.
  copy=$scratch/tree build2=$scratch/build2
  rel=$(realpath -m --relative-to="$source_dir" "$build")
  case $rel in ..*|/*|.) ;; *) build2=$copy/$rel ;; esac
  mkdir -p "$copy"
  if git -C "$source_dir" rev-parse --git-dir >/dev/null 2>&1; then
    # What git tracks, as the working tree has it (the first build built that).
    (cd "$source_dir" && git ls-files -z --cached | xargs -0 -r sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh |
       tar --null -T - -cf -) | (umask 002 && tar -xf - -C "$copy" --no-same-permissions)
  else
    (cd "$source_dir" && tar --exclude='./build*' -cf - .) | (umask 002 && tar -xf - -C "$copy" --no-same-permissions)
  fi
  # As `git archive` gives them: group-writable files and folders.
  chmod -R g+w "$copy"
  cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
  options=(-DBUILD_TESTING=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON)
  for var in CMAKE_BUILD_TYPE CMAKE_C_COMPILER CMAKE_CXX_COMPILER CMAKE_C_FLAGS CMAKE_CXX_FLAGS \
             ZELTO_HARDENING WITH_SAMPLE_PACKAGE SAMPLE_PACKAGE_BUILD; do
    options+=("-D$var=$(cache_value "$var")")
  done
  if command -v ccache >/dev/null; then
    options+=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  if ! (umask 002 && export SOURCE_DATE_EPOCH=$date_epoch &&
        cmake -S "$copy" -B "$build2" "${options[@]}" &&
        nice cmake --build "$build2" -j"$(nproc)" --target zelto-launcher sample_package system_files &&
        cd "$build2" && cpack -G DEB -B "$scratch/pkg2") >"$scratch/build2.log" 2>&1; then
    tail -n 40 "$scratch/build2.log"
    fail "the second build failed (log: $scratch/build2.log)"
  else
    echo "second build and packages: $(( $(date +%s) - started )) s"
    for first in "$deb" "$ddeb"; do
      second=$scratch/pkg2/${first##*/}
      sha256sum "$first" "$second" 2>/dev/null | sed "s|  $scratch/|  |"
      if ! cmp -s "$first" "$second"; then
        fail "${first##*/} differs between the two builds"
        mkdir -p "$scratch/differ/1" "$scratch/differ/2"
        dpkg-deb -R "$first" "$scratch/differ/1/${first##*/}" 2>/dev/null || true
        dpkg-deb -R "$second" "$scratch/differ/2/${first##*/}" 2>/dev/null || true
        diff -rq "$scratch/differ/1" "$scratch/differ/2" | head -n 20 || true
      fi
    done
    check_entries "second ${deb##*/}" "$(TZ=UTC dpkg-deb --fsys-tarfile "$scratch/pkg2/${deb##*/}" | TZ=UTC tar -tv --full-time)"
  fi
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "the Debian package passed every check"
