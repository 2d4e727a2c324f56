#!/usr/bin/env bash
# The Debian package on a clean Debian 12 system, as piuparts tries it: it
# installs and purges leaving the system as it was (/opt stays; the debug
# switch file an administrator puts in its log folder goes, see
# piuparts-scripts/), and an earlier version
# of it upgrades to this one and is removed and purged the same way. No
# option of piuparts relaxes a check.
#
# The chroot comes from a base tarball made once by debootstrap from the
# mirror apt uses here and kept in ZELTO_PIUPARTS_CACHE
# (/var/cache/zelto-piuparts); the earlier version is this package under a
# lower Debian revision, served to the chroot from a local repository.
# Where piuparts cannot run (not root, no piuparts or debootstrap, no
# mirror), the test says why and is skipped (exit 77).
#
#   check-piuparts.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
scratch=$2
cache=${ZELTO_PIUPARTS_CACHE:-/var/cache/zelto-piuparts}
base=$cache/bookworm-eatmydata-base.tgz

. "$(dirname "$0")/check-lib.sh"
skip() { echo "SKIP: $*"; exit 77; }

[ "$(id -u)" -eq 0 ] || skip "piuparts needs root"
for tool in piuparts debootstrap dpkg-scanpackages cpack dpkg-deb; do
  command -v "$tool" >/dev/null || skip "$tool is missing (scripts/deps.sh installs piuparts, debootstrap, dpkg-dev)"
done

# The mirror apt already uses, as piuparts and debootstrap must be given it.
mirror=$(cat /etc/apt/sources.list.d/*.sources 2>/dev/null |
         sed -n 's/^URIs:[[:space:]]*\([^[:space:]]*\).*/\1/p' | grep -v security | sed -n 1p)
[ -n "$mirror" ] || mirror=$(sed -n 's/^deb[[:space:]]\+\(\[[^]]*\][[:space:]]\+\)\?\([^[:space:]]*\)[[:space:]]\+bookworm[[:space:]].*/\2/p' \
                             /etc/apt/sources.list 2>/dev/null | sed -n 1p)
[ -n "$mirror" ] || mirror=http://deb.debian.org/debian

mkdir -p -- "$scratch"
scratch=$(cd "$scratch" && pwd)
# A piuparts run that was killed leaves its chroot's mounts behind: off
# with them before anything is removed, and never a removal across them.
{ findmnt -rn -o TARGET 2>/dev/null || true; } | { grep -F "$scratch/" || true; } | sort -r | while IFS= read -r mnt; do
  umount -- "$mnt" || umount -l -- "$mnt" || true
done
rm -rf --one-file-system -- "$scratch"
mkdir -p -- "$scratch"

if [ ! -s "$base" ]; then
  step "base chroot: debootstrap bookworm from $mirror"
  mkdir -p "$cache"
  # eatmydata: piuparts runs dpkg through it, without a sync per file.
  if ! debootstrap --variant=minbase --include=eatmydata bookworm "$scratch/chroot" "$mirror" \
         >"$scratch/debootstrap.log" 2>&1; then
    tail -n 5 "$scratch/debootstrap.log"
    skip "debootstrap from $mirror failed (no network?)"
  fi
  tar -C "$scratch/chroot" -czf "$base.part" . && mv "$base.part" "$base"
  rm -rf -- "$scratch/chroot"
fi

step "cpack -G DEB"
cpack_into DEB "$scratch/pkg"
only_one deb "$scratch"/pkg/*.deb
package=$(dpkg-deb -f "$deb" Package)
version=$(dpkg-deb -f "$deb" Version)

step "the earlier version: $package ${version%-*}-0"
repo=$scratch/repo
mkdir -p "$repo" "$scratch/old"
dpkg-deb -R "$deb" "$scratch/old/tree"
sed -i "s/^Version: .*/Version: ${version%-*}-0/" "$scratch/old/tree/DEBIAN/control"
dpkg-deb --root-owner-group -b "$scratch/old/tree" "$repo/${package}_${version%-*}-0.deb" >/dev/null
(cd "$repo" && dpkg-scanpackages --multiversion . /dev/null >Packages 2>/dev/null)

step "piuparts: install and purge, upgrade from ${version%-*}-0, remove and purge"
# The log goes to the scratch folder; its end says what failed.
rc=0
piuparts --basetgz "$base" --mirror "$mirror" --distribution bookworm \
  --scriptsdir "$(dirname -- "$0")/piuparts-scripts" \
  --bindmount "$repo" --extra-repo "deb [trusted=yes] file://$repo ./" \
  --tmpdir "$scratch" --log-file "$scratch/piuparts.log" \
  "$deb" >"$scratch/piuparts.out" 2>&1 || rc=$?
grep -E '^[0-9:]+ (INFO|FAIL|ERROR|WARN)' "$scratch/piuparts.out" | grep -vE 'DEBUG|dpkg-query' | tail -n 25 || true
if [ "$rc" -ne 0 ]; then
  grep -B2 -A12 -E 'FAIL|ERROR' "$scratch/piuparts.out" | head -n 60
  die "piuparts failed (log: $scratch/piuparts.log)"
fi
grep -q "PASS: Installation and purging test" "$scratch/piuparts.out" || die "piuparts did not run the install and purge test"
grep -q "PASS: Installation, upgrade and purging tests" "$scratch/piuparts.out" ||
  die "piuparts did not run the upgrade test"
echo "piuparts passed"
