#!/usr/bin/env bash
# The rules' test binary links no widget, screen or SDL code: none of SDL, its font and sound
# libraries, fontconfig or the picture decoders among its shared libraries, and no library of
# the screen layers (gui, gui/sdl, ui, tables, frontend, app) in its link map.
# Usage: tests/rules-link-check.sh BINARY LINK_MAP
set -euo pipefail
binary=$1
map=$2

libraries=$(ldd "$binary")
# A listing without the C++ runtime is not a real one: the check would pass on nothing.
if ! grep -q 'libstdc++' <<<"$libraries"; then
  echo "cannot list the shared libraries of $binary:" >&2
  echo "$libraries" >&2
  exit 1
fi
# The map names every archive the linker opened; without the rules' own it is the wrong map.
if ! grep -q 'libquorvel_round\.a' "$map"; then
  echo "$map does not show the round library: not the rules' link map" >&2
  exit 1
fi

status=0
screen_libraries=$(grep -E -o 'lib(SDL2[^ /]*|fontconfig|jpeg|gif)\.so[^ ]*' <<<"$libraries" |
                   sort -u || true)
if [[ -n "$screen_libraries" ]]; then
  echo "$binary loads screen libraries:" $screen_libraries >&2
  status=1
fi
screen_layers=$(grep -E -o 'libquorvel_(gui|sdl|ui|tables|frontend|app)\.a' "$map" | sort -u || true)
if [[ -n "$screen_layers" ]]; then
  echo "$binary links screen layers:" $screen_layers >&2
  status=1
fi
if ((status == 0)); then
  echo "rules tests: no widget, screen or SDL code linked"
fi
exit $status
