#!/usr/bin/env bash
# Builds the core with AddressSanitizer and UndefinedBehaviorSanitizer and runs its tests;
# any sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake --preset sanitize
cmake --build --preset sanitize -j"$(nproc)" --target core_tests
ctest --preset sanitize -j"$(nproc)" -R '^[A-Za-z0-9]+Test\.'
