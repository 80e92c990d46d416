#!/usr/bin/env bash
# Two runs of the artwork generator give byte-identical data folders: a fresh run against the
# data folder the build wrote with the same generator (its stamp files, and the characters'
# measured edges the simulator adds, aside).
# Usage: tests/artgen-deterministic.sh GENERATOR FLUIDSYNTH SOUNDFONT BUILT_DATA
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$1" --fluidsynth "$2" --soundfont "$3" "$work/again" >/dev/null
if ! diff -r -x .generated -x .linked -x character-edges.txt "$4" "$work/again" >/dev/null; then
  echo "the generator wrote different files in two runs:"
  diff -rq -x .generated -x .linked -x character-edges.txt "$4" "$work/again" | head -20
  exit 1
fi
# Every generated file is readable by every user, as an installed data folder must be.
unreadable=$(find "$work/again" -type f ! -perm -0044)
if [[ -n "$unreadable" ]]; then
  echo "generated files not readable by group and others:"
  echo "$unreadable" | head -20
  exit 1
fi
echo "identical: $(find "$work/again" -type f | wc -l) files"
