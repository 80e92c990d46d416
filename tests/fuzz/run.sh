#!/usr/bin/env bash
# Builds the fuzzers with clang-14 (libFuzzer, AddressSanitizer, UBSan) from just the sources
# they need, and runs each for SECONDS (default 30, at most 60) from a copy of its corpus:
# the save-file loader, then the picture decoders.
# Usage: tests/fuzz/run.sh [SECONDS]; the build goes to $FUZZ_BUILD (default build-fuzz).
# Exits non-zero when a fuzzer finds a crash, a leak or an allocation over its limits.
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
flags=(-std=c++20 -O1 -g -Wall -Wextra -Werror
       -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I"$root/src")

clang++-14 "${flags[@]}" \
    "$root/tests/fuzz/SaveLoaderFuzz.cpp" \
    "$root/src/players/SaveFile.cpp" \
    "$root/src/players/Big5Text.cpp" \
    "$root/src/system/AtomicFile.cpp" \
    -o "$build/save-loader-fuzz"

# shellcheck disable=SC2046
clang++-14 "${flags[@]}" $(pkg-config --cflags sdl2) \
    "$root/tests/fuzz/PictureDecoderFuzz.cpp" \
    "$root/src/gui/sdl/PictureDecoders.cpp" \
    "$root/src/gui/sdl/GifDecoder.cpp" \
    $(pkg-config --libs sdl2) -ljpeg -lgif \
    -o "$build/picture-decoder-fuzz"

# fuzz NAME CORPUS MAX_LEN [OPTIONS...]: runs one fuzzer on a fresh copy of its corpus.
fuzz() {
    local name=$1 corpus=$2 max_len=$3
    shift 3
    rm -rf "$build/$name-corpus"
    cp -r "$root/tests/fuzz/$corpus" "$build/$name-corpus"
    echo "-- $name, $seconds s"
    (cd "$build" && "./$name" -max_total_time="$seconds" -max_len="$max_len" \
        -print_final_stats=1 "$@" "$name-corpus" 2>&1 | tail -n 12)
    return "${PIPESTATUS[0]}"
}
fuzz save-loader-fuzz corpus 1024
# A picture may be as large as 4096 x 4096; one input must stay within these limits [MB], and
# be decoded or refused within 10 s (a hostile progressive file of 20,000 scans is ~700 KB).
fuzz picture-decoder-fuzz picture-corpus 1048576 -rss_limit_mb=1536 -malloc_limit_mb=512 \
    -timeout=10
