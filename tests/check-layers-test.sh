#!/usr/bin/env bash
# The layering check passes on the sources, and fails on a copy of them into which one upward
# include, one widget include in a rule layer and one SDL include outside gui/sdl were planted.
set -uo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
check="$top/scripts/check-layers.sh"
"$check" "$top/src" || { echo "the sources break the layering" >&2; exit 1; }

copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp -r "$top/src" "$copy/src"
printf '#include "round/RoundEngine.h"\n' >>"$copy/src/cards/Shoe.cpp"
printf '#include <SDL.h>\n' >>"$copy/src/round/Ledger.cpp"
printf '#include "gui/Label.h"\n' >>"$copy/src/players/Roster.cpp"
out=$("$check" "$copy/src" 2>&1)
if [[ $? -eq 0 ]]; then
  echo "the check passed a copy with an upward include" >&2
  exit 1
fi
grep -q 'cards/Shoe.cpp:.*cards includes round/RoundEngine.h' <<<"$out" || { echo "$out" >&2; exit 1; }
grep -q 'round/Ledger.cpp:.*<SDL.h>' <<<"$out" || { echo "$out" >&2; exit 1; }
grep -q 'players/Roster.cpp:.*players includes gui/Label.h' <<<"$out" || { echo "$out" >&2; exit 1; }
echo "the check catches an upward include, a widget in the rules and SDL outside gui/sdl"
