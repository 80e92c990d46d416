#!/usr/bin/env bash
# Fails when a source file includes a header of a layer it may not use: each layer of src/
# may include itself and the layers listed for it below, never one above. Only gui/sdl
# and src/main.cpp may include SDL. Usage: scripts/check-layers.sh [SOURCE_ROOT]   (default src)
set -euo pipefail
root=${1:-"$(dirname "$0")/../src"}

# The layers each layer may include, itself among them.
declare -A allowed=(
  [system]="system"
  [gui]="system gui"
  [gui/sdl]="system gui gui/sdl"
  [cards]="system cards"
  [players]="system cards players"
  [round]="system cards players round"
  [ui]="system gui cards ui"
  [tables]="system gui cards players round ui tables"
  [frontend]="system gui cards players ui frontend"
  [artwork]="system gui ui artwork"
  [app]="system gui gui/sdl cards players round ui tables frontend artwork app"
)

layer_of() { # a path below src/ -> its layer
  case "$1" in
    gui/sdl/*) echo "gui/sdl" ;;
    main.cpp) echo "app" ;;
    */*) echo "${1%%/*}" ;;
    *) echo "" ;;
  esac
}

status=0
while IFS= read -r -d '' file; do
  rel=${file#"$root"/}
  layer=$(layer_of "$rel")
  if [[ -z "${allowed[$layer]+x}" ]]; then
    echo "$rel: not in any layer" >&2
    status=1
    continue
  fi
  while IFS=: read -r line header; do
    if [[ "$header" == SDL* ]]; then
      if [[ "$layer" != gui/sdl && "$rel" != main.cpp ]]; then
        echo "$rel:$line: includes <$header>; only gui/sdl sees SDL" >&2
        status=1
      fi
      continue
    fi
    target=$(layer_of "$header")
    # Headers of other libraries (<fontconfig/fontconfig.h>) belong to no layer.
    [[ -z "$target" || -z "${allowed[$target]+x}" ]] && continue
    if [[ " ${allowed[$layer]} " != *" $target "* ]]; then
      echo "$rel:$line: $layer includes $header from $target, a layer above it" >&2
      status=1
    fi
  done < <(grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]' "$file" |
           sed -E 's/^([0-9]+):[[:space:]]*#[[:space:]]*include[[:space:]]*["<]([^">]+)[">].*/\1:\2/')
done < <(find "$root" -type f \( -name '*.cpp' -o -name '*.h' \) -print0)

if [[ $status -eq 0 ]]; then
  echo "layers: every include goes down or sideways"
fi
exit $status
