#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the demo need,
# only those that are missing. Sourced by run.sh and test.sh.
set -euo pipefail

ZELTO_DEPS=(
  build-essential cmake pkg-config
  libfuse3-dev fuse3
  qtbase5-dev qttools5-dev qttools5-dev-tools qt5-qmake
  libarchive-dev zlib1g-dev libarchive-tools
  xvfb xauth x11-apps x11-utils imagemagick
  openbox xfwm4 metacity weston qtwayland5
  qt5ct adwaita-qt wmctrl dbus-daemon at-spi2-core python3-pyatspi
  orca speech-dispatcher speech-dispatcher-audio-plugins
  clang libclang-rt-14-dev
  rsync gnuplot-nox util-linux procps file fonts-dejavu-core
  xfsprogs btrfs-progs
  desktop-file-utils dpkg-dev
  lintian devscripts appstream scdoc librsvg2-bin man-db groff-base binutils
  rpm rpmlint rpm2cpio cpio piuparts debootstrap tint2
)

zelto_install_deps() {
  local missing=()
  for p in "${ZELTO_DEPS[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
