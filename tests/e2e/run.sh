#!/usr/bin/env bash
# End-to-end run of the real game under Xvfb and openbox, driven by xdotool and checked by
# screenshots, which stay in BUILD/e2e-screenshots for people to look at.
# Usage: tests/e2e/run.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
source "$here/lib.sh"
E2E_SHOTS="$build/e2e-screenshots"
rm -rf "$E2E_SHOTS" && mkdir -p "$E2E_SHOTS"
work=$(mktemp -d)
E2E_FAILED=0
trap 'e2e_cleanup; rm -rf "$work"' EXIT

e2e_start_display
e2e_start_game "$build/quorvel" "$work"

# 1. The main menu opens full screen and fills the 1024x768 screen.
geometry=$(xdotool getwindowgeometry "$E2E_WINDOW" | awk '/Geometry/ {print $2}')
e2e_check "window covers the screen ($geometry)" 'v == 1' "$([[ $geometry == 1024x768 ]] && echo 1 || echo 0)"
e2e_shot 01-main-menu
e2e_check "start button drawn" 'v > 0.05' "$(e2e_region_stddev 01-main-menu 264 312 243 54)"
e2e_check "picture reaches the bottom edge" 'v > 0.01' "$(e2e_region_stddev 01-main-menu 0 580 800 20)"

# 2. Start game shows the banker choices.
e2e_click 385 339
sleep 1
e2e_shot 02-banker-choices
e2e_check "banker choice appeared" 'v > 0.05' "$(e2e_region_diff 01-main-menu 02-banker-choices 120 440 137 47)"
e2e_check "start buttons gone" 'v > 0.05' "$(e2e_region_diff 01-main-menu 02-banker-choices 264 312 243 54)"

# 3. Later steps of a whole game run when the screens they need exist.
if [[ -x "$here/game-flow.sh" ]]; then
  source "$here/game-flow.sh"
fi

# 4. A game at the three-seat table, in a fresh run of the game.
if [[ -x "$here/three-seat-challenge-flow.sh" ]]; then
  source "$here/three-seat-challenge-flow.sh"
fi

# 5. The tables where the user banks, each in a game of its own.
for flow in one-seat-banker-flow.sh three-seat-banker-flow.sh; do
  if [[ -x "$here/$flow" ]]; then
    source "$here/$flow"
  fi
done

# 6. A game by the keyboard alone, with the question before leaving and a second copy, in a
# game of its own.
if [[ -x "$here/keyboard-flow.sh" ]]; then
  source "$here/keyboard-flow.sh"
fi

# 7. A FIFO in place of the log, in a game of its own.
if [[ -x "$here/fifo-log-flow.sh" ]]; then
  source "$here/fifo-log-flow.sh"
fi

kill "$E2E_GAME_PID" 2>/dev/null || true
if ((E2E_FAILED)); then
  echo "end-to-end: FAILED (screenshots in $E2E_SHOTS)"
  exit 1
fi
echo "end-to-end: passed (screenshots in $E2E_SHOTS)"
