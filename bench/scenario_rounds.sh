#!/bin/sh
# Whole rounds per second through the scenario runner on the virtual clock. Each script plays
# 200 rounds from a fresh game (a user who always stands goes broke after about 280), and the
# runner gets as many copies as needed.
# Usage: bench/scenario_rounds.sh [BUILD_DIR] [SCRIPTS]
set -eu
here=$(dirname "$0")
build=${1:-build}
scripts=${2:-10}
per_script=200
script=$(mktemp)
trap 'rm -f "$script"' EXIT
echo "open 1 小帥哥 阿鐵" >"$script"
i=0
while [ "$i" -lt "$per_script" ]; do
  grep -v '^#' "$here/scenario_rounds.scn" >>"$script"
  i=$((i + 1))
done
echo "expect show TForm6" >>"$script"
files=$(i=0; while [ "$i" -lt "$scripts" ]; do echo "$script"; i=$((i + 1)); done)
start=$(date +%s.%N)
# shellcheck disable=SC2086
played=$("$build/quorvel-scenario" $files | grep -c '^show TForm6$')
end=$(date +%s.%N)
echo "$played rounds in $(echo "$end - $start" | bc) s: $(echo "$played / ($end - $start)" | bc) rounds/s"
