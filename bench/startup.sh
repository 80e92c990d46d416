#!/usr/bin/env bash
# Prints, for the game on a 1024x768 Xvfb screen with openbox: the time from launch to the
# first frame of the main menu and to its last frame (the screen stops changing), as the
# median of RUNS runs; resident and peak memory on the main menu; the CPU time used during a
# 2000 ms wait; and the peak memory after the tour of bench/tour.txt (every screen, and a
# round at each of the four tables). Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
runs=${2:-5}
cmake --build "$build" --target bench-startup quorvel_data -j2 >/dev/null
source "$here/../tests/e2e/lib.sh"
# The game's settings and files go to a folder of this run, never into the user's own.
scratch=$(mktemp -d)
export XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data XDG_STATE_HOME=$scratch/state
trap 'e2e_cleanup; rm -rf "$scratch"' EXIT
e2e_start_display
out=$(mktemp)
for i in $(seq "$runs"); do
  echo "run $i:"
  "$build/bench-startup" "$(date +%s%N)" 2>/dev/null | tee -a "$out" | sed 's/^/  /'
done
median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
echo "median of $runs runs:"
echo "  launch to first frame: $(grep '^launch to first frame' "$out" | awk '{print $(NF-7)}' | median) ms"
echo "  launch to the main menu painted: $(grep 'painted' "$out" | awk '{print $(NF-1)}' | median) ms"
echo "  resident on the main menu: $(grep 'VmRSS' "$out" | awk '{print $(NF-1)}' | median) kB"
echo "  peak on the main menu: $(grep 'main menu peak' "$out" | awk '{print $(NF-1)}' | median) kB"
echo "  CPU during a 2000 ms wait: $(grep 'CPU time during' "$out" | awk '{print $(NF-1)}' | median) ms"
rm -f "$out"
echo "tour ($here/tour.txt):"
"$build/bench-startup" "$(date +%s%N)" --tour "$here/tour.txt" 2>/dev/null | grep 'after the tour' |
  sed 's/^/  /'
