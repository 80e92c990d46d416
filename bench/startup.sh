#!/usr/bin/env bash
# Prints, for the game on an Xvfb screen of SIZE (1024x768 unless given) with openbox: the time
# from launch to the first frame of the main menu and to its last frame (the screen stops
# changing), resident and peak memory on the main menu and the CPU time used during a 2000 ms
# wait, as the median of RUNS runs, each run once with a cold picture cache (emptied first:
# every picture painted at the screen's size) and once with the warm cache it left; then the
# peak memory after the tour of bench/tour.txt (every screen, and a round at each of the four
# tables), from a cold cache, the cache's size after it, and the size of the data folder an
# install carries. The machine's load is printed before and after, as timings depend on it.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS] [SIZE]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
runs=${2:-5}
export E2E_SCREEN=${3:-1024x768}
cmake --build "$build" --target bench-startup quorvel_data -j2 >/dev/null
source "$here/../tests/e2e/lib.sh"
# The game's settings and files go to a folder of this run, never into the user's own.
scratch=$(mktemp -d)
export XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data XDG_STATE_HOME=$scratch/state
export XDG_CACHE_HOME=$scratch/cache
trap 'e2e_cleanup; rm -rf "$scratch"' EXIT
echo "screen $E2E_SCREEN; load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
e2e_start_display
cold=$(mktemp)
warm=$(mktemp)
for i in $(seq "$runs"); do
  rm -rf "$XDG_CACHE_HOME"
  for cache in cold warm; do
    echo "run $i, $cache cache:"
    out=$cold
    [[ $cache == warm ]] && out=$warm
    "$build/bench-startup" "$(date +%s%N)" 2>/dev/null | tee -a "$out" | sed 's/^/  /'
  done
done
median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
for cache in cold warm; do
  out=$cold
  [[ $cache == warm ]] && out=$warm
  echo "median of $runs runs, $cache picture cache:"
  echo "  launch to first frame: $(grep '^launch to first frame' "$out" | awk '{print $(NF-7)}' | median) ms"
  echo "  launch to the main menu painted: $(grep 'painted' "$out" | awk '{print $(NF-1)}' | median) ms"
  echo "  resident on the main menu: $(grep 'VmRSS' "$out" | awk '{print $(NF-1)}' | median) kB"
  echo "  peak on the main menu: $(grep 'main menu peak' "$out" | awk '{print $(NF-1)}' | median) kB"
  echo "  CPU during a 2000 ms wait: $(grep 'CPU time during' "$out" | awk '{print $(NF-1)}' | median) ms"
done
rm -f "$cold" "$warm"
rm -rf "$XDG_CACHE_HOME"
echo "tour ($here/tour.txt), cold picture cache:"
"$build/bench-startup" "$(date +%s%N)" --tour "$here/tour.txt" 2>/dev/null | grep 'after the tour' |
  sed 's/^/  /'
echo "  picture cache after the tour: $(du -sk "$XDG_CACHE_HOME" 2>/dev/null | cut -f1) kB"
echo "installed data folder: $(du -sk "$build/data/" | cut -f1) kB"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
