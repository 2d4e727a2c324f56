#!/usr/bin/env bash
# The RPM, built by cpack from the same install components as the .deb: it
# must pass rpmlint (with the reasoned filters of packaging/rpmlint.toml),
# hold the same files as the .deb but for Debian's own (lintian overrides)
# and rpm's (the build-id links), require the libraries it links by their
# names, recommend libarchive, carry no scriptlets, and, unpacked
# (rpm2cpio | cpio: nothing is installed on this machine), its launcher
# must run for a private home, exit 0 and leave the client running, as
# check-deb.sh runs the .deb's.
#
#   check-rpm.sh BUILD_DIR SCRATCH_DIR SOURCE_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
scratch=$2
source_dir=$(cd "$3" && pwd)
failures=0

. "$(dirname "$0")/check-lib.sh"

for tool in cpack rpm rpmbuild rpmlint rpm2cpio cpio dpkg-deb; do
  command -v "$tool" >/dev/null || die "$tool is missing; scripts/deps.sh installs it"
done

fresh_scratch

step "cpack -G RPM and -G DEB"
cpack_into "RPM;DEB" "$scratch/pkg"
only_one rpm "$scratch"/pkg/*.rpm
only_one deb "$scratch"/pkg/*.deb
rpm -qpi "$rpm"

step "rpmlint"
rpmlint -c "$source_dir/packaging/rpmlint.toml" "$rpm" | tee "$scratch/rpmlint.log" || fail "rpmlint found errors"
grep -Eq '^[^ ]+: [EW]: ' "$scratch/rpmlint.log" && fail "rpmlint found errors or warnings"

step "requirements and scriptlets"
requires=$(rpm -qp --requires "$rpm")
for lib in libQt5Core.so.5 libQt5Gui.so.5 libQt5Widgets.so.5 libc.so.6 libstdc++.so.6; do
  grep -q "^$lib()" <<<"$requires" || fail "no automatic requirement on $lib"
done
! grep -q 'pvk-qt' <<<"$requires" || fail "the private library is required from outside: $(grep pvk-qt <<<"$requires")"
! rpm -qp --provides "$rpm" | grep -q 'pvk-qt' || fail "the private library is provided to others"
rpm -qp --recommends "$rpm" | grep -q '^libarchive\.so\.13()' || fail "libarchive.so.13 is not recommended"
scripts=$(rpm -qp --scripts "$rpm")
[ -z "$scripts" ] || fail "the RPM carries scriptlets: $scripts"
rpm -qp --configfiles "$rpm" | grep -qx '/etc/xdg/autostart/quenmark-zelto.desktop' ||
  fail "the autostart entry is not a configuration file"
[ "$(rpm -qp --configfiles "$rpm" | wc -l)" -eq 1 ] || fail "configuration files besides the autostart entry: $(rpm -qp --configfiles "$rpm")"

step "the same files as the .deb"
# Files and links; the folders the RPM leaves to the distribution's
# filesystem package are no part of the comparison.
rpm_files=$(rpm -qplv "$rpm" | grep -v '^d' | awk '{print $9}' | grep -v '^/usr/lib/\.build-id/' | sort)
deb_files=$(dpkg-deb --fsys-tarfile "$deb" | tar -tv | grep -v '^d' | awk '{print $6}' | sed 's|^\.||' |
             grep -v '^/usr/share/lintian/' | sort)
missing=$(comm -23 <(echo "$deb_files") <(echo "$rpm_files"))
extra=$(comm -13 <(echo "$deb_files") <(echo "$rpm_files") | grep -vx '/opt/quenmark-zelto/log/launcher.debug' || true)
[ -z "$missing" ] || fail "in the .deb, not in the RPM: $missing"
[ -z "$extra" ] || fail "in the RPM, not in the .deb: $extra"
echo "$(wc -l <<<"$rpm_files") files and links in both"

step "unpacking into $scratch/root"
mkdir -p "$scratch/root"
(cd "$scratch/root" && rpm2cpio "$rpm" | cpio -idm --quiet)
root=$scratch/root
prefix=$root/opt/quenmark-zelto
launcher=$prefix/bin/zelto-launcher
[ -x "$launcher" ] || die "no launcher in the RPM"
while IFS= read -r -d '' f; do
  case $(LC_ALL=C file -b "$f") in *ELF*"not stripped"*) fail "${f#"$root"} is not stripped" ;; esac
done < <(find "$root" -type f -print0)

rpm -qpl "$rpm" | grep -qx '/usr/share/man/man1/zelto-launcher.1.gz' || fail "no manual page zelto-launcher(1)"
for archive in "$prefix"/package/*.qpk; do
  mkdir -p "$scratch/archive"
  tar -xzf "$archive" -C "$scratch/archive"
  diff -r "$scratch/archive" "${archive%.qpk}" || fail "${archive#"$root"} does not hold ${archive%.qpk} as shipped"
  rm -rf -- "$scratch/archive"
done

step "running ${launcher#"$root"} for a private home"
home=$scratch/home runtime=$scratch/runtime
mkdir -p "$home"
mkdir -m 700 "$runtime"
pid_file=$home/.QuenmarkZelto/ui.pid
clean_up() {
  local pid
  pid=$(sed -n 's/^pid=\([0-9][0-9]*\)$/\1/p' "$pid_file" 2>/dev/null || true)
  if [ -n "$pid" ] && [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = cloud-zelto-ui ]; then
    kill "$pid" 2>/dev/null || true
  fi
}
trap clean_up EXIT
rc=0
env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
  timeout 300 "$launcher" >"$scratch/launcher.out" 2>"$scratch/launcher.err" || rc=$?
cat "$scratch/launcher.out" "$scratch/launcher.err"
[ "$rc" -eq 0 ] || fail "the launcher exited with $rc"
grep -qF "lib path = '$prefix/lib/plugins'" "$scratch/launcher.out" ||
  fail "the launcher did not take its plug-ins from /opt/quenmark-zelto/lib/plugins"
pid=$(sed -n 's/^pid=\([0-9][0-9]*\)$/\1/p' "$pid_file" 2>/dev/null || true)
if [ -z "$pid" ]; then
  fail "the client wrote no pid file ($pid_file)"
elif [ "$(cat "/proc/$pid/comm" 2>/dev/null)" != cloud-zelto-ui ]; then
  fail "the client (pid $pid) does not run"
else
  echo "client started: pid $pid, $(readlink "/proc/$pid/exe")"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "the RPM passed every check"
