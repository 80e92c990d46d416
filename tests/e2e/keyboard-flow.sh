#!/usr/bin/env bash
# A game played by the keyboard alone, sourced by flow.sh in a game of its own: from the main
# menu through the selection screens to the one-on-one table, two rounds (chip, deal, stand,
# continue) with Ctrl+Q mid-round asking to save first, a save, back to the menu; a second copy
# started in the same folder raises the first window and leaves; a round under way when the
# window is closed asks first. Uses flow.sh's variables: build, work, E2E_SHOTS.

pics="$build/data/picture"

# kb_wait_gone PID SECONDS: whether the process ended within the time.
kb_wait_gone() {
  local deadline=$((SECONDS + $2))
  while kill -0 "$1" 2>/dev/null; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
  return 0
}

# kb_fresh_game: ends the running game and starts another in a folder of its own, KWORK.
kb_fresh_game() {
  kill "$E2E_GAME_PID" 2>/dev/null || true
  kb_wait_gone "$E2E_GAME_PID" 5 || true
  KWORK="$work/keyboard"
  mkdir -p "$KWORK"
  e2e_start_game "$build/quorvel" "$KWORK"
  e2e_focus
}

# kb_expect SHOT PICTURE X Y TIMEOUT DESCRIPTION: waits for a picture at X,Y and checks it.
kb_expect() {
  e2e_check "$6" "v < $E2E_PICTURE_MATCH" "$(e2e_wait_picture "$1" "$2" "$3" "$4" "$5")"
}

# kb_deal N CHIP: a chip by its key and a deal by Enter, up to the user's turn (a pair's split
# declined by N).
kb_deal() {
  local n=$1
  kb_expect "6$n-1-chips" "$pics/gif/money1.gif" 464 520 15 "keys, round $n: chips offered"
  e2e_key "$2"
  kb_expect "6$n-2-bet" "$pics/gif/an107.gif" 688 464 10 "keys, round $n: $2 bets, deal offered"
  e2e_key Return
  local deadline=$((SECONDS + 20)) turn=0
  while ((SECONDS < deadline)); do
    if e2e_shows "$pics/gif/an100.gif" 688 415; then
      turn=1
      break
    fi
    if e2e_shows "$pics/gif/an103.gif" 688 464; then
      echo "note: round $n dealt a pair; N declines the split"
      e2e_key n
    fi
    sleep 0.25
  done
  e2e_shot "6$n-3-dealt"
  e2e_check "keys, round $n: Enter dealt, the user's turn" 'v == 1' "$turn"
}

# kb_stand N: S stands and the round ends with its result dialog.
kb_stand() {
  local n=$1
  e2e_key s
  kb_expect "6$n-4-result" "$pics/design/back.gif" 128 520 40 "keys, round $n: S stood, the round ended"
  e2e_check "keys, round $n: the result dialog shows" 'v > 0.05' \
    "$(e2e_region_diff "6$n-3-dealt" "6$n-4-result" 248 238 347 255)"
}

kb_fresh_game
kb_expect 60-1-menu "$pics/gif/Yxks00.gif" 264 312 10 "keys: the main menu"
class=$(xprop -id "$E2E_WINDOW" WM_CLASS)
e2e_check "the window's class is the app id ($class)" 'v == 1' \
  "$([[ $class == *'"org.quorvel.Quorvel", "org.quorvel.Quorvel"'* ]] && echo 1 || echo 0)"

# ---- Menus: Enter starts, Tab moves the focus, Enter presses it, End goes to the last button.
e2e_key Return
kb_expect 60-2-banker "$pics/gif/Wjzz10.gif" 120 440 5 "keys: Enter shows the banker choices"
e2e_key Tab Tab Tab Return # the settings and statistics buttons, then challenge the banker
kb_expect 60-3-player "$pics/gif-/Qd1-00.gif" 515 535 10 "keys: player selection"
e2e_key Tab Return     # the first character
kb_expect 60-4-picked "$pics/gif-/Qd1-01.gif" 515 535 5 "keys: Enter picks the focused character"
e2e_key End Return     # OK
kb_expect 60-5-seats "$pics/gif/df1-4-.gif" 558 274 10 "keys: the seat-count screen"
e2e_key F1
kb_expect 60-6-help "$pics/help/help-01.gif" 109 99 5 "keys: F1 opens the help pages"
e2e_key Next
kb_expect 60-7-help2 "$pics/help/help-02.gif" 109 99 5 "keys: Page Down turns the page"
e2e_key Escape
kb_expect 60-8-seats "$pics/gif/df1-4-.gif" 558 274 5 "keys: Esc closes the help pages"
e2e_key Tab Return     # one-on-one
kb_expect 60-9-opponents "$pics/gif-/Qd1-00.gif" 526 523 10 "keys: opponent selection"
e2e_key Tab Right Return # past the user's own figure to the next one
kb_expect 60-10-picked "$pics/gif-/Qd1-01.gif" 526 523 5 "keys: Enter picks an opponent"
e2e_key End Return

# ---- Two rounds at the table by keys alone; Enter on the result dialog continues.
kb_deal 1 1
kb_stand 1
e2e_key Return
kb_expect 61-5-continued "$pics/gif/money1.gif" 464 520 15 "keys: Enter on the dialog continues"
kb_deal 2 2

# ---- Ctrl+Q with a round under way asks to save first; Esc cancels and the round goes on.
e2e_key ctrl+q
kb_expect 63-1-asked "$pics/design/ask.gif" 210 200 5 "keys: quitting mid-round asks to save first"
e2e_key Escape
sleep 0.5
e2e_shot 63-2-cancelled
e2e_check "keys: Esc cancels the question, the table stays" "v > $E2E_PICTURE_MATCH" \
  "$(e2e_picture_diff 63-2-cancelled "$pics/design/ask.gif" 210 200)"
e2e_check "keys: the game still runs after cancelling" 'v == 1' \
  "$(kill -0 "$E2E_GAME_PID" 2>/dev/null && echo 1 || echo 0)"
kb_stand 2

# ---- Ctrl+S saves; with the money saved Esc goes back without a question.
rm -f "$KWORK/mysave.sav"
e2e_key ctrl+s
for _ in $(seq 40); do (($(stat -c %s "$KWORK/mysave.sav" 2>/dev/null || echo 0) >= 749)) && break; sleep 0.1; done
e2e_check "keys: Ctrl+S saves the game" 'v == 749' "$(stat -c %s "$KWORK/mysave.sav" 2>/dev/null || echo 0)"
e2e_key Escape
kb_expect 63-3-menu "$pics/gif/Yxks02.gif" 264 432 10 "keys: with the money saved Esc goes straight back"

# ---- A second copy in the same folder raises the first window and leaves the save alone.
xdotool windowminimize --sync "$E2E_WINDOW" 2>/dev/null || true
before=$(md5sum <"$KWORK/mysave.sav")
(cd "$KWORK" && exec env XDG_CONFIG_HOME="$KWORK/.config" "$build/quorvel") >"$KWORK/second.log" 2>&1 &
second=$!
kb_wait_gone "$second" 10 && gone=1 || gone=0
e2e_check "second copy: it ends by itself" 'v == 1' "$gone"
wait "$second" 2>/dev/null
e2e_check "second copy: it exits with success" 'v == 0' "$?"
e2e_check "second copy: it says the first copy runs" 'v > 0' "$(grep -c 'already running' "$KWORK/second.log")"
for _ in $(seq 50); do
  state=$(xwininfo -id "$E2E_WINDOW" | awk '/Map State/ {print $3}')
  [[ $state == IsViewable ]] && break
  sleep 0.1
done
e2e_check "second copy: the first window is shown again ($state)" 'v == 1' \
  "$([[ $state == IsViewable ]] && echo 1 || echo 0)"
e2e_check "second copy: the save is untouched" 'v == 1' \
  "$([[ $(md5sum <"$KWORK/mysave.sav") == "$before" ]] && echo 1 || echo 0)"

# ---- A round under way when the window is closed: asked first; N leaves without saving.
e2e_focus
# Tab moves the focus through the settings and statistics buttons and start to load, which
# lights up when it has the focus; Enter presses it. The pointer's event as the window comes
# back drops the focus at a moment of its own, so the Tabs go on until load is lit.
for _ in 1 2 3 4 5 6; do
  e2e_key Tab
  e2e_shows "$pics/gif/Yxks01-.gif" 264 373 && break
done
e2e_key Return
kb_expect 64-1-loaded "$pics/gif/money1.gif" 464 520 15 "keys: the saved game loads"
kb_deal 4 1
xdotool key --clearmodifiers alt+F4
kb_expect 64-2-asked "$pics/design/ask.gif" 210 200 10 "closing the window mid-round asks to save first"
e2e_check "the game still runs while it asks" 'v == 1' "$(kill -0 "$E2E_GAME_PID" 2>/dev/null && echo 1 || echo 0)"
e2e_key n
kb_wait_gone "$E2E_GAME_PID" 10 && gone=1 || gone=0
e2e_check "N leaves the game without saving" 'v == 1' "$gone"
e2e_check "leaving without saving keeps the old save" 'v == 1' \
  "$([[ $(md5sum <"$KWORK/mysave.sav") == "$before" ]] && echo 1 || echo 0)"

errors=$(grep -c '^quorvel:' "$KWORK/game.log" || true)
e2e_check "keys: no error reports in the game log" 'v == 0' "$errors"
((errors == 0)) || grep '^quorvel:' "$KWORK/game.log" | head -5
