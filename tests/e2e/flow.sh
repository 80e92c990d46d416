#!/usr/bin/env bash
# One end-to-end flow of the real game, in a game, a working folder and on an Xvfb display of
# its own, checked by screenshots kept in BUILD/e2e-screenshots/FLOW. Every flow but the
# one-on-one game plays at the fast card speed; that one keeps the game's own speed.
# Usage: tests/e2e/flow.sh BUILD_DIR FLOW
#   one-seat               the main menu, then a whole game at the one-on-one table
#   three-seat-challenge   a game at the three-seat table
#   three-seat-split       a seeded deal at the three-seat table: a split, then a card swap
#   one-seat-banker        the one-on-one table where the user banks
#   three-seat-banker      the three-seat table where the user banks
#   keyboard               a game by the keyboard alone, a second copy, closing mid-round
#   fifo-log               a FIFO in place of the log, and a second copy started with it
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
flow=$2
source "$here/lib.sh"
E2E_SHOTS="$build/e2e-screenshots/$flow"
rm -rf "$E2E_SHOTS" && mkdir -p "$E2E_SHOTS"
work=$(mktemp -d)
E2E_FAILED=0
trap 'e2e_cleanup; rm -rf "$work"' EXIT
trap 'exit 130' INT TERM

# The main menu of a fresh game: it fills the screen, and its start button shows the banker
# choices.
main_menu_checks() {
  local geometry
  e2e_start_game "$build/quorvel" "$work"
  geometry=$(xdotool getwindowgeometry "$E2E_WINDOW" | awk '/Geometry/ {print $2}')
  e2e_check "window covers the screen ($geometry)" 'v == 1' "$([[ $geometry == 1024x768 ]] && echo 1 || echo 0)"
  e2e_shot 01-main-menu
  e2e_check "start button drawn" 'v > 0.05' "$(e2e_region_stddev 01-main-menu 264 312 243 54)"
  e2e_check "picture reaches the bottom edge" 'v > 0.01' "$(e2e_region_stddev 01-main-menu 0 580 800 20)"
  e2e_click 385 339
  e2e_wait_picture 02-banker-choices "$build/data/picture/gif/Wjzz10.gif" 120 440 10 >/dev/null
  e2e_check "banker choice appeared" 'v > 0.05' "$(e2e_region_diff 01-main-menu 02-banker-choices 120 440 137 47)"
  e2e_check "start buttons gone" 'v > 0.05' "$(e2e_region_diff 01-main-menu 02-banker-choices 264 312 243 54)"
}

# shellcheck disable=SC2034 # read by e2e_start_game
[[ $flow == one-seat ]] || E2E_CARD_SPEED=fast
e2e_start_display
case $flow in
  one-seat)
    main_menu_checks
    source "$here/game-flow.sh"
    ;;
  three-seat-challenge | three-seat-split | one-seat-banker | three-seat-banker | keyboard | fifo-log)
    source "$here/$flow-flow.sh"
    ;;
  *)
    echo "unknown flow: $flow" >&2
    exit 2
    ;;
esac

[[ -z "$E2E_GAME_PID" ]] || kill "$E2E_GAME_PID" 2>/dev/null || true
if ((E2E_FAILED)); then
  echo "$flow: FAILED (screenshots in $E2E_SHOTS)"
  exit 1
fi
echo "$flow: passed"
