#!/usr/bin/env bash
# Builds, installs into build/stage and runs the launcher there.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
zelto_install_deps

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
cmake --install build --prefix "$PWD/build/stage" >/dev/null
echo "Start-up only so far: the launch controller is not built yet."
