#!/usr/bin/env bash
# Builds the save-loader fuzzer with clang-14 (libFuzzer, AddressSanitizer, UBSan) from just the
# sources it needs, and runs it for SECONDS (default 30, at most 60) from a copy of the corpus.
# Usage: tests/fuzz/run.sh [SECONDS]; the build goes to $FUZZ_BUILD (default build-fuzz).
# Exits non-zero when the fuzzer finds a crash.
set -euo pipefail

root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-30}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
    echo "usage: $0 [SECONDS]" >&2
    exit 2
fi
[ "$seconds" -gt 60 ] && seconds=60
build="${FUZZ_BUILD:-build-fuzz}"
mkdir -p "$build"
build="$(cd "$build" && pwd)"

clang++-14 -std=c++20 -O1 -g -Wall -Wextra -Werror \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$root/src" \
    "$root/tests/fuzz/SaveLoaderFuzz.cpp" \
    "$root/src/players/SaveFile.cpp" \
    "$root/src/players/Big5Text.cpp" \
    -o "$build/save-loader-fuzz"

corpus="$build/corpus"
rm -rf "$corpus"
cp -r "$root/tests/fuzz/corpus" "$corpus"
cd "$build"
./save-loader-fuzz -max_total_time="$seconds" -max_len=1024 -print_final_stats=1 "$corpus"
