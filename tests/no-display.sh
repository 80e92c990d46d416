#!/usr/bin/env bash
# The game started where there is no display says so and exits with status 1, instead of
# running unseen on a driver that draws nowhere.
# Usage: tests/no-display.sh GAME
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 30 "$1" 2>&1)
rc=$?
if [[ $rc -ne 1 ]]; then
  echo "expected exit status 1 without a display, got $rc:"
  echo "$out"
  exit 1
fi
if ! grep -q "找不到顯示器\|無法啟動顯示" <<<"$out"; then
  echo "no message about the display:"
  echo "$out"
  exit 1
fi
[[ -z "$(ls -A)" ]] || { echo "files left in the working folder:"; ls -A; exit 1; }
echo "refused: $(grep quorvel: <<<"$out")"
