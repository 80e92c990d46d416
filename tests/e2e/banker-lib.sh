#!/usr/bin/env bash
# Helpers for the end-to-end games at the tables where the user is the banker, sourced by
# their flow scripts: a fresh game, the way from the main menu to the selection screens, a
# round played as the banker, and the checks of the save file. Uses flow.sh's variables (build,
# work) and lib.sh's helpers.

pics="$build/data/picture"

# banker_click_when SHOT PICTURE X Y TIMEOUT DESCRIPTION: waits for a button picture at X,Y,
# checks it, then clicks its middle.
banker_click_when() {
  local v w h
  v=$(e2e_wait_picture "$1" "$2" "$3" "$4" "$5")
  e2e_check "$6" "v < $E2E_PICTURE_MATCH" "$v"
  read -r w h < <(identify -format '%w %h\n' "$2[0]")
  e2e_click $(($3 + w / 2)) $(($4 + h / 2))
}

# banker_fresh_game NAME: ends the running game and starts another in a working folder of its
# own, BWORK, kept under flow.sh's working folder.
banker_fresh_game() {
  kill "$E2E_GAME_PID" 2>/dev/null || true
  BWORK="$work/$1"
  mkdir -p "$BWORK"
  e2e_start_game "$build/quorvel" "$BWORK"
}

# banker_new_game PREFIX: from the main menu to the seat count, with "the user is the banker"
# chosen and the first character picked.
banker_new_game() {
  local v
  e2e_click 385 339
  e2e_wait_picture "$1-0-banker-choices" "$pics/gif/Wjzz10.gif" 120 440 10 >/dev/null
  e2e_click 604 463
  v=$(e2e_wait_picture "$1-1-player-selection" "$pics/gif-/Qd1-00.gif" 515 535 10)
  e2e_check "$1: the user banks; player selection" "v < $E2E_PICTURE_MATCH" "$v"
  e2e_click 98 114
  banker_click_when "$1-2-player-picked" "$pics/gif-/Qd1-01.gif" 515 535 5 "$1: a character picked"
}

# The table's places [layout px], set by each flow before banker_round: the button that starts
# a round (picture and place), hit and stand, the back button, the result dialog and a region
# where the first computer seat's cards lie.
BK_START_PIC=""
BK_START=(0 0)
BK_HIT=(0 0)
BK_STAND=(0 0)
BK_BACK=(0 0)
BK_DIALOG=(0 0 0 0)
BK_CARDS=(0 0 0 0)

# banker_round PREFIX: the round's start; the computer seats play; the user-banker stands, or
# draws a card when a stand below 17 is refused, until the round ends with the back button
# and the result dialog. A click lands only while the turn's buttons show, so that none
# reaches the table itself (which would start the next round).
banker_round() {
  local p="$1" v deadline ended=0 stood=0
  banker_click_when "$p-1-start" "$pics/gif/$BK_START_PIC" "${BK_START[@]}" 20 "$p: a round is offered"
  v=$(e2e_wait_picture "$p-2-turn" "$pics/gif/an100.gif" "${BK_HIT[@]}" 60)
  e2e_check "$p: the computer has played; the user-banker's turn" "v < $E2E_PICTURE_MATCH" "$v"
  e2e_check "$p: the computer's cards dealt" 'v > 0.05' "$(e2e_region_stddev "$p-2-turn" "${BK_CARDS[@]}")"
  deadline=$((SECONDS + 90))
  while ((SECONDS < deadline)); do
    if e2e_shows "$pics/design/back.gif" "${BK_BACK[@]}"; then
      ended=1
      break
    fi
    if e2e_shows "$pics/gif/an100.gif" "${BK_HIT[@]}"; then
      if ((stood)); then
        echo "note: $p: the stand was refused; drawing a card"
        e2e_click $((BK_HIT[0] + 48)) $((BK_HIT[1] + 12))
        stood=0
      else
        e2e_click $((BK_STAND[0] + 48)) $((BK_STAND[1] + 12))
        stood=1
      fi
      sleep 3
    else
      sleep 0.5
    fi
  done
  e2e_shot "$p-3-result"
  e2e_check "$p: the round ends with the back button" 'v == 1' "$ended"
  e2e_check "$p: the result dialog shows" 'v > 0.05' \
    "$(e2e_region_diff "$p-2-turn" "$p-3-result" "${BK_DIALOG[@]}")"
}

# banker_save_check FILE MODE SLOT PREFIX: the save is 749 bytes of mode MODE, with the user's
# name (阿鐵, the first character) first and a portrait path starting with PREFIX in picture
# slot SLOT [2-4].
banker_save_check() {
  python3 - "$@" <<'PY' || E2E_FAILED=1
import sys
path, mode, slot, prefix = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4].encode()
data = open(path, "rb").read()
user = "阿鐵".encode("big5")
at = 340 + 81 * (slot - 1)
checks = [
    ("the save is 749 bytes", len(data) == 749, len(data)),
    (f"save mode is {mode}", int.from_bytes(data[664:668], "little") == mode, data[664:668].hex()),
    ("the user-banker's name in Big5 first", data[0] == len(user) and data[1:1 + len(user)] == user,
     data[0:1 + len(user)].hex()),
    (f"a portrait in picture slot {slot}", data[at + 1:at + 1 + len(prefix)] == prefix,
     data[at:at + 20]),
]
failed = False
for what, ok, value in checks:
    print(("ok: " if ok else "FAIL: ") + f"{what} ({value})")
    failed |= not ok
sys.exit(1 if failed else 0)
PY
}

# banker_save_and_reload PREFIX SAVE BACK MODE SLOT PORTRAIT: saves, checks the file, goes
# back to the main menu and loads the game.
banker_save_and_reload() {
  local v
  rm -f "$BWORK/mysave.sav"
  e2e_click "${2% *}" "${2#* }"
  for _ in $(seq 40); do (($(stat -c %s "$BWORK/mysave.sav" 2>/dev/null || echo 0) >= 749)) && break; sleep 0.1; done
  banker_save_check "$BWORK/mysave.sav" "$4" "$5" "$6"
  e2e_click "${3% *}" "${3#* }"
  v=$(e2e_wait_picture "$1-back-to-menu" "$pics/gif/Yxks01.gif" 264 373 10)
  e2e_check "$1: back at the main menu" "v < $E2E_PICTURE_MATCH" "$v"
  e2e_click 385 400
}

# banker_log_check PREFIX: no error reports in the game's log.
banker_log_check() {
  local errors
  errors=$(grep -c '^quorvel:' "$BWORK/game.log" || true)
  e2e_check "$1: no error reports in the game log" 'v == 0' "$errors"
  ((errors == 0)) || grep '^quorvel:' "$BWORK/game.log" | head -5
}
