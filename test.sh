#!/usr/bin/env bash
# Sets everything up and runs the whole suite: the format check, then the
# tests once in a normal Debug build (warnings are errors), then again with
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/install-deps"
# The C++ layout first: a file that differs from .clang-format is listed.
"$root/scripts/check-format"

run_suite() {
  local dir=$1
  shift
  "$root/scripts/build" "$dir" Debug "$@"
  (cd "$root/$dir" && ctest --output-on-failure -j"$(nproc)")
}

run_suite build/debug
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS=suppressions=$root/tests/lsan.supp \
  run_suite build/asan -DEDITZARN_SANITIZE=ON
