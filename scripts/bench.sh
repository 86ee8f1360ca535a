#!/usr/bin/env bash
# Builds Release and runs every benchmark; each prints a table of ratios to its anchor, taken
# between medians of five repetitions. The repetitions of a benchmark and its anchor are
# interleaved at random, so that both see the same spells of a shared machine (cross-core
# hand-offs here vary by a factor of two from one minute to the next).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DVX_BUILD_TESTS=OFF -DVX_BUILD_EXAMPLES=OFF -DVX_BUILD_BENCH=ON >/dev/null
cmake --build build-release
export QT_QPA_PLATFORM=offscreen
for b in build-release/bench/*_bench; do
    echo "== $(basename "$b")"
    "$b" --benchmark_min_time=0.5 --benchmark_repetitions=5 \
        --benchmark_enable_random_interleaving=true "$@"
done
