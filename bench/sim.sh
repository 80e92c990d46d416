#!/usr/bin/env bash
# Builds the simulator optimised (in $BENCH_BUILD, default build-bench) and reports its rate:
# two million one-seat rounds on two threads, the nine bankers of the one-on-one table, then
# one banker alone (whose shoes are not shared with other rows, so the shuffle weighs more),
# and the three-seat table. With `instructions` as the first argument it also counts the
# instructions per round under callgrind, which a loaded machine does not change.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BENCH_BUILD:-$root/build-bench}"
# g++ 12 at -O3 warns of an overlap inside std::string's concatenation that cannot happen.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=OFF \
  -DCMAKE_CXX_FLAGS=-Wno-restrict -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
cmake --build "$build" -j2 --target quorvel-sim >/dev/null
sim="$build/quorvel-sim"
run() {
  echo "quorvel-sim $*"
  "$sim" "$@" | tail -1
}
run --table 1 --rounds 2000000 --threads 2 --seed 1
run --table 1 --banker 阿鐵 --rounds 1000000 --threads 2 --seed 1
run --table 3 --rounds 500000 --threads 2 --seed 1
if [[ ${1:-} == instructions ]]; then
  rounds=200000
  out=$(mktemp)
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$sim" --table 1 --rounds $rounds \
    --threads 1 --seed 1 2>"$out" >/dev/null
  count=$(awk '/Collected/ { print $NF }' "$out")
  rm -f "$out"
  echo "instructions per one-seat round (nine bankers, one thread): $((count / rounds))"
fi
