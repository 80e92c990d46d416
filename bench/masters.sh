#!/usr/bin/env bash
# Measures the two ways to sharp pictures at high resolution (docs/ARCHITECTURE.md, "Pictures
# at the screen's size"): writes the masters way (b) would install, the generator's pictures
# at 3.6 times their size in the same formats, and prints their size beside the data folder's;
# then times the main menu's pictures both ways (bench/masters.cpp). Prints the machine's load,
# as the timings depend on it. Usage: bench/masters.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
runs=${2:-5}
cmake --build "$build" --target bench-masters quorvel-artgen quorvel_data -j2 >/dev/null
masters=$(mktemp -d)
trap 'rm -rf "$masters"' EXIT
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
"$build/quorvel-artgen" --only pictures --scale 3.6 "$masters" >/dev/null
echo "pictures of the data folder: $(du -sk "$build/data/picture" | cut -f1) kB"
echo "(b) masters at 3.6 times, same formats: $(du -sk "$masters/picture" | cut -f1) kB"
"$build/bench-masters" "$build/data" "$masters" "$runs"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
