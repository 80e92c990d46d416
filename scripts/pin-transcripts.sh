#!/usr/bin/env bash
# Writes the pinned transcript of every scenario script (or of the scripts named) from the
# current build. Run it only when a transcript is meant to change, and say why in the commit.
# Usage: scripts/pin-transcripts.sh [BUILD_DIR] [SCRIPT...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
scripts=("$@")
if ((${#scripts[@]} == 0)); then
  scripts=(tests/scenarios/*.scn)
fi
mkdir -p tests/scenarios/transcripts
for script in "${scripts[@]}"; do
  out="tests/scenarios/transcripts/$(basename "${script%.scn}").txt"
  "$build/quorvel-scenario" "$script" >"$out"
  echo "pinned $out"
done
