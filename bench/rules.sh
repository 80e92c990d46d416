#!/usr/bin/env bash
# Builds the rules benchmark (optimised, in $BENCH_BUILD, default build-bench) and runs it:
# hands evaluated per second and computer-against-computer rounds per second.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BENCH_BUILD:-$root/build-bench}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target bench-rules_bench
"$build/bench-rules_bench"
