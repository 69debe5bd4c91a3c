#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz/ and runs them.
#
#   scripts/fuzz.sh                 every target over its corpus, then 20 s of
#                                   fresh inputs each (what CI runs)
#   scripts/fuzz.sh NAME [SECONDS]  one target (e.g. player_file) for longer;
#                                   300 s when no time is given
#
# New inputs that widen the coverage go to build-fuzz/corpus/NAME, crashes to
# build-fuzz/crashes/; copy a small, telling input into fuzz/corpus/NAME to
# keep it as a seed.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

FUZZ_DIR="$ROOT/build-fuzz"
ensure_packages
ensure_packages clang libclang-rt-14-dev
CXX=clang++ build_in "$FUZZ_DIR" fuzz_targets -DCMAKE_CXX_COMPILER=clang++ -DTAV_FUZZ=ON \
    -DTAV_BUILD_TESTS=OFF -DTAV_BUILD_BENCHMARKS=OFF

# Short allocation traces: the same faults are found, at twice the speed.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:malloc_context_size=4"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# fuzz_one NAME SECONDS: the committed seeds first, then fresh inputs.
fuzz_one() {
    local name="$1" seconds="$2" program="$FUZZ_DIR/bin/fuzz_$1"
    local seeds="$ROOT/fuzz/corpus/$name" found="$FUZZ_DIR/corpus/$name"
    mkdir -p "$found" "$FUZZ_DIR/crashes"
    echo "== $name: corpus"
    "$program" -runs=0 "$seeds"
    echo "== $name: $seconds s of fresh inputs"
    "$program" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$FUZZ_DIR/crashes/$name-" "$found" "$seeds"
}

if [ $# -gt 0 ]; then
    fuzz_one "$1" "${2:-300}"
    exit
fi
for source in "$ROOT"/fuzz/*_fuzz.cpp; do
    name="$(basename "$source" _fuzz.cpp)"
    fuzz_one "$name" 20
done
