#!/usr/bin/env bash
# Prints, for the game on a 1024x768 Xvfb screen with openbox: the time from launch to the
# first frame of the main menu, the peak memory (VmHWM) and the CPU time used during a
# 2000 ms wait. Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
runs=${2:-5}
cmake --build "$build" --target bench-startup quorvel_data -j2 >/dev/null
source "$here/../tests/e2e/lib.sh"
E2E_DISPLAY=${E2E_DISPLAY:-:96}
trap e2e_cleanup EXIT
e2e_start_display
for i in $(seq "$runs"); do
  echo "run $i:"
  "$build/bench-startup" "$(date +%s%N)" 2>/dev/null | sed 's/^/  /'
done
