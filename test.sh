#!/usr/bin/env bash
# Installs what is missing, builds Quorvel and runs every test: the layering check, unit and
# scenario tests, an install into a temporary prefix checked by the desktop's validators, the
# same tests again under AddressSanitizer and UndefinedBehaviorSanitizer, the monkey, every
# fuzzer for a bounded time, and the end-to-end flows under Xvfb.
#
# The main build has -Werror and Debian's hardening flags. The sanitizer build uses clang, so
# that the fuzzers are built in it from the same libraries. The end-to-end flows start as soon
# as the game is built, all at once on displays of their own, and run in the background while
# the rest goes on; the compilers run niced, so the flows keep their pace. Each part's time is
# printed at the end.
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc)
scripts/deps.sh --test

cmake_options=(-DQUORVEL_TESTS=ON -DQUORVEL_WERROR=ON)
if command -v ccache >/dev/null; then
  cmake_options+=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
sanitizers=(ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1)

started=$SECONDS
times=()
# part NAME COMMAND...: runs one part and keeps its time.
part() {
  local start=$SECONDS
  echo "== $1"
  "${@:2}"
  times+=("$(printf '%5d s  %s' $((SECONDS - start)) "$1")")
}

e2e_pid=""
trap '[[ -z "$e2e_pid" ]] || kill "$e2e_pid" 2>/dev/null || true' EXIT

main_build() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${cmake_options[@]}" \
    -DCMAKE_C_FLAGS="-D_FORTIFY_SOURCE=2 -fstack-protector-strong" \
    -DCMAKE_CXX_FLAGS="-D_FORTIFY_SOURCE=2 -fstack-protector-strong" >/dev/null
  nice cmake --build build -j"$jobs"
}
start_e2e() {
  [[ -x tests/e2e/run.sh ]] || return 0
  tests/e2e/run.sh build >build/e2e.log 2>&1 &
  e2e_pid=$!
}
sanitizer_build() {
  CC=clang-14 CXX=clang++-14 cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_FLAGS=-O1 -DCMAKE_CXX_FLAGS=-O1 -DQUORVEL_SANITIZE=ON -DQUORVEL_FUZZ=ON \
    -DQUORVEL_PREBUILT_DATA="$PWD/build/data" "${cmake_options[@]}" >/dev/null
  nice cmake --build build-asan -j"$jobs"
}
monkey() {
  env "${sanitizers[@]}" build-asan/quorvel-monkey --events "${QUORVEL_MONKEY_EVENTS:-100000}" \
    --seed 20261208 2>/dev/null
}
fuzzers() {
  FUZZ_BUILD="$PWD/build-asan" FUZZ_JOBS="$jobs" nice \
    tests/fuzz/run.sh "${QUORVEL_FUZZ_SECONDS:-45}"
}
finish_e2e() {
  [[ -n "$e2e_pid" ]] || return 0
  local status=0
  wait "$e2e_pid" || status=$?
  e2e_pid=""
  cat build/e2e.log
  return "$status"
}

part "layers" scripts/check-layers.sh
part "build (-Werror, Debian's hardening flags)" main_build
start_e2e
part "tests" bash -c "cd build && ctest --output-on-failure --no-tests=error -j$jobs"
part "install into a temporary prefix: launcher, metainfo, icons, manual page" \
  tests/install-check.sh build
part "build under AddressSanitizer and UBSan (clang), with the fuzzers" sanitizer_build
part "tests under AddressSanitizer and UBSan" bash -c \
  "cd build-asan && env ${sanitizers[*]} ctest --output-on-failure --no-tests=error -j$jobs"
part "monkey under AddressSanitizer and UBSan" monkey
part "fuzzers: save file, pictures, statistics, settings" fuzzers
part "end-to-end under Xvfb (waiting for the flows)" finish_e2e

echo "== time of each part"
printf '%s\n' "${times[@]}"
printf '%5d s  all\n' $((SECONDS - started))
echo "== all tests passed"
