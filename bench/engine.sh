#!/usr/bin/env bash
# Builds the round engine's benchmark (optimised, in $BENCH_BUILD, default build-bench) and runs
# it: whole rounds per second with computer characters at every seat and no screen.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BENCH_BUILD:-$root/build-bench}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target bench-engine_rounds
"$build/bench-engine_rounds"
