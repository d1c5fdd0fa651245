#!/usr/bin/env bash
# Builds the program and its tests with AddressSanitizer and UndefinedBehaviorSanitizer into
# ./build-asan and runs the tests there, offscreen. Any leak or undefined behaviour fails the
# run, except what scripts/lsan.supp and scripts/ubsan.supp name in code we do not write.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Paths relative to the checkout, so that a fresh clone elsewhere reuses what ccache holds.
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
# -O1 with line tables: readable reports, and a build and a run that fit the CI's time.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS="-O1 -g1" -DSHIFTGRID_SANITIZE=ON \
    "${launcher[@]}" >/dev/null
cmake --build build-asan
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:suppressions=$PWD/scripts/ubsan.supp
QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure -j2 --timeout 600
