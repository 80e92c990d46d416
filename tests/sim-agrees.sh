#!/usr/bin/env bash
# The simulator's edge of one character agrees with the same policy played through the real
# screens by the scenario runner: the two means differ by no more than their 95% intervals
# combined. Both runs are seeded, so the check gives the same answer every time.
# Usage: tests/sim-agrees.sh SIM RUNNER SCRIPT
set -euo pipefail
sim=$1
runner=$2
script=$3
# "<name> <rounds> <mean> ± <half-width> ..." and "played N rounds with P: user per 1000 bet M ± I"
simulated=$("$sim" --table 1 --banker 阿鐵 --policy stand17 --rounds 400000 --threads 2 --seed 3 |
  awk '$1 == "阿鐵" { print $3, $5 }')
played=$("$runner" "$script" | awk '/^played / { print $(NF-2), $NF }')
echo "simulator: $simulated; through the screens: $played"
[[ -n $simulated && -n $played ]] || { echo "a figure is missing" >&2; exit 1; }
awk -v a="$simulated" -v b="$played" 'BEGIN {
  split(a, s, " "); split(b, p, " ");
  gap = s[1] - p[1]; if (gap < 0) gap = -gap;
  allowed = sqrt(s[2] * s[2] + p[2] * p[2]);
  printf "gap %.1f, allowed %.1f per 1000\n", gap, allowed;
  exit gap <= allowed ? 0 : 1 }'
