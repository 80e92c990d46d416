#!/usr/bin/env bash
# Two runs of the artwork generator give byte-identical data folders.
# Usage: tests/artgen-deterministic.sh GENERATOR FLUIDSYNTH SOUNDFONT
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for run in a b; do
  "$1" --fluidsynth "$2" --soundfont "$3" "$work/$run" >/dev/null
done
if ! diff -r "$work/a" "$work/b" >/dev/null; then
  echo "the generator wrote different files in two runs:"
  diff -rq "$work/a" "$work/b" | head -20
  exit 1
fi
# Every generated file is readable by every user, as an installed data folder must be.
unreadable=$(find "$work/a" -type f ! -perm -0044)
if [[ -n "$unreadable" ]]; then
  echo "generated files not readable by group and others:"
  echo "$unreadable" | head -20
  exit 1
fi
echo "identical: $(find "$work/a" -type f | wc -l) files"
