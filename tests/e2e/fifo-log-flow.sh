#!/usr/bin/env bash
# A FIFO where the launcher's game writes its log, sourced by flow.sh in a game of its own: the
# window still opens, with a notice that there is no log, and a second copy started with it is
# told by the first copy's main loop, not by a helper alone, that the window came to the front.
# Uses flow.sh's variables: build, work.

# fl_wait_gone PID SECONDS: whether the process ended within the time.
fl_wait_gone() {
  local deadline=$((SECONDS + $2))
  while kill -0 "$1" 2>/dev/null; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
  return 0
}

kill "$E2E_GAME_PID" 2>/dev/null || true
fl_wait_gone "$E2E_GAME_PID" 5 || true
FWORK="$work/fifo-log"
mkdir -p "$FWORK/.local/state/quorvel"
mkfifo "$FWORK/.local/state/quorvel/quorvel.log"
E2E_WINDOW=
if e2e_start_game "$build/quorvel" "$FWORK" --desktop; then opened=1; else opened=0; fi
e2e_check "fifo log: the window opens" 'v == 1' "$opened"
e2e_check "fifo log: the game says it keeps no log" 'v > 0' "$(grep -c 'no log' "$FWORK/game.log")"

(cd "$FWORK" && exec env XDG_CONFIG_HOME="$FWORK/.config" XDG_DATA_HOME="$FWORK/.local/share" \
  XDG_STATE_HOME="$FWORK/.local/state" "$build/quorvel" --desktop) >"$FWORK/second.log" 2>&1 &
second=$!
fl_wait_gone "$second" 10 && gone=1 || { gone=0; kill "$second" 2>/dev/null; }
wait "$second" 2>/dev/null
rc=$?
e2e_check "fifo log: a second copy ends by itself" 'v == 1' "$gone"
e2e_check "fifo log: the second copy exits with success" 'v == 0' "$rc"
e2e_check "fifo log: the first copy's window was raised" 'v > 0' \
  "$(grep -c 'brought to the front' "$FWORK/second.log")"
