#!/usr/bin/env bash
# Builds everything as packagers do, each in a build folder of its own, with warnings as errors:
# a CMake Release build (-O3), and a build with only Debian's flags (no build type;
# -O2 -D_FORTIFY_SOURCE=2 -fstack-protector-strong). ./test.sh builds with Debian's flags on
# top of RelWithDebInfo every time; run this before a release, or after a compiler upgrade,
# for the Release build too: it costs two whole builds.
# Usage: scripts/release-builds.sh [BUILD_PREFIX]   (default: build-release and build-debian)
set -euo pipefail
cd "$(dirname "$0")/.."
prefix=${1:-build}
options=(-DQUORVEL_TESTS=ON -DQUORVEL_WERROR=ON)
if command -v ccache >/dev/null; then
  options+=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
debian_flags="-O2 -D_FORTIFY_SOURCE=2 -fstack-protector-strong"

echo "== Release"
cmake -S . -B "$prefix-release" -DCMAKE_BUILD_TYPE=Release "${options[@]}" >/dev/null
cmake --build "$prefix-release" -j"$(nproc)"
echo "== Debian's flags: $debian_flags"
cmake -S . -B "$prefix-debian" -DCMAKE_BUILD_TYPE=None -DCMAKE_C_FLAGS="$debian_flags" \
  -DCMAKE_CXX_FLAGS="$debian_flags" "${options[@]}" >/dev/null
cmake --build "$prefix-debian" -j"$(nproc)"
echo "== both builds passed with -Werror"
