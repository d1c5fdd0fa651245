#!/usr/bin/env bash
# Builds the libFuzzer harnesses (clang, AddressSanitizer, UndefinedBehaviorSanitizer) into
# ./build-fuzz and runs each one from its seed corpus in tests/fuzz/corpus.
#
#   scripts/fuzz.sh                 short run, a fixed number of inputs per harness (./test runs it)
#   scripts/fuzz.sh --long [SECS]   each harness for SECS seconds (default 600); new inputs are
#                                   kept in build-fuzz/corpus, crashes in build-fuzz/artifacts
set -euo pipefail
cd "$(dirname "$0")/.."
mode=short
seconds=600
if [ "${1:-}" = "--long" ]; then
    mode=long
    seconds=${2:-600}
fi
runs=${SHIFTGRID_FUZZ_RUNS:-4000}

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Paths relative to the checkout, so that a fresh clone elsewhere reuses what ccache holds.
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DSHIFTGRID_FUZZ=ON "${launcher[@]}" >/dev/null
harnesses=(records settings dates schedule needs costfiles)
cmake --build build-fuzz --target "${harnesses[@]/#/fuzz_}"

mkdir -p build-fuzz/artifacts
export QT_QPA_PLATFORM=offscreen
status=0
for h in "${harnesses[@]}"; do
    if [ "$mode" = long ]; then
        work=build-fuzz/corpus/$h
        mkdir -p "$work"
        limit=(-max_total_time="$seconds")
    else
        work=$(mktemp -d)
        limit=(-runs="$runs" -seed=1)
    fi
    log=build-fuzz/fuzz_$h.log
    if build-fuzz/tests/fuzz/fuzz_$h "${limit[@]}" -max_len=8192 -timeout=10 \
        -artifact_prefix=build-fuzz/artifacts/$h- "$work" tests/fuzz/corpus/$h >"$log" 2>&1; then
        echo "fuzz_$h: $(grep -E '^Done [0-9]+ runs' "$log" | tail -1)"
    else
        echo "fuzz_$h: FAILED, see $log"
        tail -40 "$log"
        status=1
    fi
    [ "$mode" = long ] || rm -rf "$work"
done
exit $status
