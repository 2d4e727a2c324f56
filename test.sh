#!/usr/bin/env bash
# Builds the project and runs the whole test suite: once plainly, once under
# AddressSanitizer + UndefinedBehaviorSanitizer, the threaded tests under
# ThreadSanitizer, and each fuzz target for a bounded time.
#
#   ./test.sh            everything (what CI runs)
#   ./test.sh --quick    the plain pass only
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
zelto_install_deps

quick=0
[ "${1:-}" = "--quick" ] && quick=1
jobs=$(nproc)
root=$PWD

pass() { printf '\n==== %s ====\n' "$*"; }

pass "plain build and tests"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")
[ $quick -eq 1 ] && exit 0

# Sanitizer reports fail the test that triggers them. No strict_string_checks
# here: the X11 keymap code of libxkbcommon strndup()s counted, unterminated
# atom names out of X replies, which that check reports as overflows.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:fast_unwind_on_malloc=0"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export TSAN_OPTIONS="ignore_noninstrumented_modules=1:halt_on_error=1:second_deadlock_stack=1:suppressions=$root/tests/tsan.supp"

pass "AddressSanitizer + UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=address,undefined -DWITH_SAMPLE_PACKAGE=ON >/dev/null
cmake --build build-asan -j"$jobs"
(cd build-asan && ctest --output-on-failure -j"$jobs" -LE 'gui|nosan')

pass "ThreadSanitizer (threaded tests)"
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=thread >/dev/null
tsan_targets=$(cd build-tsan && ctest -N -L threads | sed -n 's/^ *Test *#[0-9]*: *//p')
if [ -n "$tsan_targets" ]; then
  # shellcheck disable=SC2086
  cmake --build build-tsan -j"$jobs" --target $tsan_targets
  (cd build-tsan && ctest --output-on-failure -j"$jobs" -L threads)
fi

if [ -x tests/fuzz/run-fuzzers.sh ]; then
  pass "fuzzing"
  tests/fuzz/run-fuzzers.sh
fi
