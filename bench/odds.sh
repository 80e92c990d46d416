#!/usr/bin/env bash
# Builds the odds advisor's benchmark (optimised, in $BENCH_BUILD, default build-bench) and
# runs it: the time for one decision of the user, mean, median, 99th percentile and worst, and
# decisions per second, with and without the swap; fails when a step of the working out that
# a table runs between two frames takes a frame (16 ms) or more.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BENCH_BUILD:-$root/build-bench}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target bench-odds_bench
"$build/bench-odds_bench"
