#!/usr/bin/env bash
# The monkey records the rounds it plays, and every round plays again the same: the monkey runs
# with --record into a folder of its own, at least 50 rounds must be written, and the scenario
# runner must play every file with all of its expect lines holding.
# Usage: tests/monkey-replay.sh MONKEY RUNNER [EVENTS] [SEED]
set -uo pipefail
monkey=$1
runner=$2
events=${3:-20000}
seed=${4:-7}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
if ! "$monkey" --events "$events" --seed "$seed" --record "$folder"; then
  echo "the monkey broke an invariant" >&2
  exit 1
fi
rounds=$(cat "$folder"/*.scn 2>/dev/null | grep -c '^begin$')
files=$(ls "$folder"/*.scn 2>/dev/null | wc -l)
echo "$rounds rounds in $files files"
if (( rounds < 50 )); then
  echo "only $rounds rounds were recorded; at least 50 are expected" >&2
  exit 1
fi
failed=0
for file in "$folder"/*.scn; do
  if ! "$runner" "$file" >"$folder/transcript.txt" 2>&1; then
    echo "$(basename "$file") does not play again:" >&2
    grep -E '^(FAILED|refused)|script error' "$folder/transcript.txt" >&2
    failed=1
  fi
done
exit $failed
