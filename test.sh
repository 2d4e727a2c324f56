#!/usr/bin/env bash
# Builds the project and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
zelto_install_deps

jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")
