#!/usr/bin/env bash
# Runs one scenario script and compares its transcript with the pinned one, byte for byte.
# Usage: tests/run-scenario.sh RUNNER SCRIPT
# A transcript changes only on purpose: scripts/pin-transcripts.sh writes the new ones, and the
# change shows in review.
set -uo pipefail
runner=$1
script=$2
pinned="$(dirname "$script")/transcripts/$(basename "${script%.scn}").txt"
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT
"$runner" "$script" >"$actual"
status=$?
cat "$actual"
if [[ $status -ne 0 ]]; then
  exit $status
fi
if [[ ! -f "$pinned" ]]; then
  echo "no pinned transcript $pinned (scripts/pin-transcripts.sh writes it)" >&2
  exit 1
fi
if ! diff -u "$pinned" "$actual" >&2; then
  echo "the transcript of $script differs from $pinned" >&2
  exit 1
fi
