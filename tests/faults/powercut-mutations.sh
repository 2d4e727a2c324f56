#!/usr/bin/env bash
# Shows that the power-cut sweep needs every flush of an upgrade: for each
# fsync the upgrade makes (its files, its folders, its journal), one sweep
# in which only that fsync is skipped (it returns success and flushes
# nothing). Prints, per flush, the path and the first cut point that lost
# something, or "NOT CAUGHT".
#
# usage: tests/faults/powercut-mutations.sh [BUILD_DIR] [ROW]
set -uo pipefail
build=$(cd "${1:-build}" && pwd)
row=${2:-upgrade with the client running}
export ZELTO_E2E_STAGE=$build/tests/e2e/stage
export ZELTO_FAULT_SHIM=$build/tests/faults/libfault-inject.so
export ZELTO_POWERCUT_FS=$build/tests/faults/powercut-fs
export ZELTO_FAULT_REPORT_DIR=$build/faults-mutations
export ZELTO_POWERCUT_FIRST_FAILURE=1
export QT_QPA_PLATFORM=offscreen
(cd "$build" && ctest -R e2e_stage >/dev/null) || { echo "staging failed" >&2; exit 1; }

caught=0
total=0
for ((n = 1; ; ++n)); do
  rm -rf "$ZELTO_FAULT_REPORT_DIR"
  out=$(ZELTO_POWERCUT_SKIP_FSYNC=$n "$build/tests/faults/tst_faults" "powerCuts:$row" 2>&1)
  skipped=$(grep -o 'injected fsync [0-9]* .*' <<<"$out" | head -1 | cut -d' ' -f4-)
  [ -z "$skipped" ] && break
  total=$((total + 1))
  first=$(grep -o 'cut [0-9]* ([a-z]*) after .*' <<<"$out" | head -1 | cut -c1-160)
  if [ -n "$first" ]; then
    caught=$((caught + 1))
    printf '%3d %s\n    caught: %s\n' "$n" "$skipped" "$first"
  else
    printf '%3d %s\n    NOT CAUGHT\n' "$n" "$skipped"
  fi
done
echo "$caught of $total skipped flushes caught"
