#!/usr/bin/env bash
# Builds the fuzz targets (CMake, clang-14 with libFuzzer, AddressSanitizer and UBSan) and runs
# each for SECONDS (default 30, at most 60) from a copy of its corpus: the save-file loader,
# the picture decoders, the statistics file and settings.ini.
# Usage: tests/fuzz/run.sh [SECONDS]; the build goes to $FUZZ_BUILD (default build-fuzz), which
# may be a sanitizer build configured with QUORVEL_FUZZ already (./test.sh passes build-asan).
# FUZZ_JOBS=N runs N fuzzers at a time. Exits non-zero when a fuzzer finds a crash, a leak or an
# allocation over its limits.
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
if ! grep -q '^QUORVEL_FUZZ:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null; then
    launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_C_FLAGS=-O1 -DCMAKE_CXX_FLAGS=-O1 -DQUORVEL_FUZZ=ON -DQUORVEL_TESTS=OFF \
        "${launcher[@]}" >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target quorvel_fuzzers

# fuzz NAME CORPUS MAX_LEN [OPTIONS...]: runs one fuzzer on a fresh copy of its corpus, with its
# report in BUILD/NAME.log; FUZZ_JOBS of them at a time (default 1).
names=()
fuzz() {
    local name=$1 corpus=$2 max_len=$3
    shift 3
    while (($(jobs -rp | wc -l) >= ${FUZZ_JOBS:-1})); do wait -n || true; done
    rm -rf "$build/$name-corpus"
    cp -r "$root/tests/fuzz/$corpus" "$build/$name-corpus"
    (
        cd "$build"
        status=0
        "./$name" -max_total_time="$seconds" -max_len="$max_len" -print_final_stats=1 "$@" \
            "$name-corpus" >"$name.log" 2>&1 || status=$?
        echo "$status" >"$name.status"
    ) &
    names+=("$name")
}
fuzz save-loader-fuzz corpus 1024
# A picture may be as large as 4096 x 4096; one input must stay within these limits [MB], and
# be decoded or refused within 10 s (a hostile progressive file of 20,000 scans is ~700 KB).
fuzz picture-decoder-fuzz picture-corpus 1048576 -rss_limit_mb=1536 -malloc_limit_mb=512 \
    -timeout=10
# The statistics of four modes are a few kilobytes; settings.ini is smaller still.
fuzz statistics-fuzz statistics-corpus 8192
fuzz settings-fuzz settings-corpus 4096

wait
failed=0
for name in "${names[@]}"; do
    echo "-- $name, $seconds s"
    if [[ $(cat "$build/$name.status") == 0 ]]; then
        tail -n 12 "$build/$name.log"
    else
        # What it found, with the stack and the file the input was written to.
        grep -A 60 -m 1 -E '^==[0-9]+==|deadly signal|^SUMMARY' "$build/$name.log" ||
            tail -n 60 "$build/$name.log"
        failed=1
    fi
done
exit "$failed"
