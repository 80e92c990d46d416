#!/usr/bin/env bash
# Builds the monkey (optimised, in $BENCH_BUILD, default build-bench) and sends 10^6 random
# events to the headless game, checking its invariants after each; prints events per second.
# Usage: bench/monkey.sh [EVENTS] [SEED]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BENCH_BUILD:-$root/build-bench}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target quorvel-monkey
"$build/quorvel-monkey" --events "${1:-1000000}" --seed "${2:-1}" 2>/dev/null
