#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan + UBSan, coverage hooks in
# all of the code) in a build folder of their own, replays every input that
# ever crashed them, then fuzzes each target for a bounded time starting
# from the corpus kept in the repository. A new crash is copied into
# tests/fuzz/regressions/<target>/ (commit it with its fix) and fails the run.
#
#   ZELTO_FUZZ_SECONDS   fuzzing time per target (default 50)
#   ZELTO_FUZZ_BUILD     build folder (default build-fuzz)
#   ZELTO_FUZZ_SEED      libFuzzer's seed (default 1, so that a run repeats
#                        the last one's inputs; 0 picks a new one each time)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${ZELTO_FUZZ_BUILD:-$root/build-fuzz}
seconds=${ZELTO_FUZZ_SECONDS:-50}
seed=${ZELTO_FUZZ_SEED:-1}
targets=(fuzz_keyvalue fuzz_info fuzz_extract)

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZELTO_FUZZ=ON -DSANITIZE=address,undefined -DWITH_SAMPLE_PACKAGE=OFF \
  -DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

# Qt's own allocations that live until exit are no finding. Slow unwinding
# on every allocation, which the test passes may ask for, would cost the
# fuzzer most of its runs. No strict_string_checks: libarchive's readers
# strcmp() counted, unterminated names from the archive against constants,
# which that check reports as overflows although the compare stops inside.
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

work="$build/fuzz-work"
rm -rf "$work"
mkdir -p "$work"

# As root the targets run with the whole file system read-only but for
# their work folder: an archive that found a way out could not write there.
# Their sandbox is a tmpfs of its own there, which also spares the disk.
confined() {
  if [ "$(id -u)" -eq 0 ] && unshare --mount --propagation private true 2>/dev/null; then
    unshare --mount --propagation private -- /bin/sh -c \
      'mount --bind "$0" "$0" && mount -t tmpfs -o size=512m tmpfs "$FUZZ_SANDBOX" &&
       mount -o remount,bind,ro / && exec "$@"' "$work" "$@"
  else
    "$@"
  fi
}

status=0
for t in "${targets[@]}"; do
  bin="$build/tests/fuzz/$t"
  corpus="$here/corpus/$t"
  regressions="$here/regressions/$t"
  mkdir -p "$work/$t/corpus" "$work/$t/artifacts" "$work/$t/sandbox" "$regressions"
  export FUZZ_SANDBOX="$work/$t/sandbox"

  mapfile -t kept < <(find "$regressions" -type f ! -name .gitkeep | sort)
  if [ ${#kept[@]} -gt 0 ]; then
    echo "== $t: replaying ${#kept[@]} regression inputs"
    confined "$bin" -runs=1 "${kept[@]}" || { echo "$t: a regression input fails again"; status=1; continue; }
  fi

  echo "== $t: fuzzing for ${seconds}s"
  if ! confined "$bin" -seed="$seed" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$work/$t/artifacts/" "$work/$t/corpus" "$corpus" >"$work/$t/fuzz.log" 2>&1; then
    tail -n 60 "$work/$t/fuzz.log"
    for a in "$work/$t/artifacts"/*; do
      [ -f "$a" ] || continue
      cp "$a" "$regressions/$(basename "$a")"
      echo "$t: kept $(basename "$a") in tests/fuzz/regressions/$t/"
    done
    status=1
    continue
  fi
  grep -E '^stat::number_of_executed_units|^stat::new_units_added' "$work/$t/fuzz.log" | sed "s/^/$t: /" || true
done
exit $status
