#!/usr/bin/env bash
# Installs what is missing, builds Quorvel and runs every test: unit and scenario tests, an
# install into a temporary prefix checked by the desktop's validators, the same tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer, the monkey, the save-file and picture-decoder
# fuzzers for a bounded time each, and the end-to-end run under Xvfb.
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc)
scripts/deps.sh --test

echo "== layers"
scripts/check-layers.sh

echo "== build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_TESTS=ON >/dev/null
cmake --build build -j"$jobs"
echo "== tests"
(cd build && ctest --output-on-failure --no-tests=error -j"$jobs")

echo "== install into a temporary prefix: launcher, metainfo, icons, manual page"
tests/install-check.sh build

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_SANITIZE=ON -DQUORVEL_TESTS=ON \
  -DQUORVEL_PREBUILT_DATA="$PWD/build/data" >/dev/null
cmake --build build-asan -j"$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure --no-tests=error -j"$jobs")

echo "== monkey under AddressSanitizer and UndefinedBehaviorSanitizer"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  build-asan/quorvel-monkey --events "${QUORVEL_MONKEY_EVENTS:-100000}" --seed 20261208 2>/dev/null

if [[ -x tests/fuzz/run.sh ]]; then
  echo "== fuzzers: the save-file loader and the picture decoders"
  FUZZ_BUILD="$PWD/build-fuzz" tests/fuzz/run.sh "${QUORVEL_FUZZ_SECONDS:-45}"
fi

if [[ -x tests/e2e/run.sh ]]; then
  echo "== end-to-end under Xvfb"
  tests/e2e/run.sh build
fi
echo "== all tests passed"
