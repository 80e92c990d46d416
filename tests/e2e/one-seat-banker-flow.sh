#!/usr/bin/env bash
# A game at the one-on-one table where the user is the banker, sourced by run.sh in a game of
# its own: the user banks, picks a character, one-on-one, an opponent; two rounds in which the
# computer bets and plays and the user-banker draws until a stand is taken; save, back to the
# main menu and load. Uses run.sh's variables and lib.sh's helpers.

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

# banker_new_game PREFIX: from a fresh main menu to the selection screens with "the user is
# the banker" chosen and the first character picked.
banker_new_game() {
  e2e_click 385 339
  sleep 1
  e2e_click 604 463
  v=$(e2e_wait_picture "$1-1-player-selection" "$pics/gif-/Qd1-00.gif" 515 535 10)
  e2e_check "$1: the user banks; player selection" "v < $E2E_PICTURE_MATCH" "$v"
  e2e_click 98 114
  banker_click_when "$1-2-player-picked" "$pics/gif-/Qd1-01.gif" 515 535 5 "$1: a character picked"
}

# banker_matches SHOT PICTURE X Y: whether the picture shows at X,Y in the shot.
banker_matches() {
  awk "BEGIN { exit !($(e2e_picture_diff "$1" "$2" "$3" "$4") < $E2E_PICTURE_MATCH) }"
}

# banker_round PREFIX N: deal; the computer plays; the user-banker stands, or draws a card
# when a stand below 17 is refused, until the round ends with the back button and the dialog.
# A click lands only while the turn's buttons show, so that none reaches the table itself.
banker_round() {
  local p="$1-$2" v deadline ended=0 stood=0
  banker_click_when "$p-1-bet" "$pics/gif/an107.gif" 688 440 20 "$p: the computer bets, deal offered"
  v=$(e2e_wait_picture "$p-2-turn" "$pics/gif/an100.gif" 688 415 40)
  e2e_check "$p: the computer has played; the user-banker's turn" "v < $E2E_PICTURE_MATCH" "$v"
  e2e_check "$p: the computer's two cards dealt" 'v > 0.05' \
    "$(e2e_region_stddev "$p-2-turn" 320 220 86 90)"
  deadline=$((SECONDS + 90))
  while ((SECONDS < deadline)); do
    e2e_shot "$p-3-result"
    if banker_matches "$p-3-result" "$pics/design/back.gif" 128 520; then
      ended=1
      break
    fi
    if banker_matches "$p-3-result" "$pics/gif/an100.gif" 688 415; then
      if ((stood)); then
        echo "note: $p: the stand was refused; drawing a card"
        e2e_click 736 427 # hit
        stood=0
      else
        e2e_click 736 452 # stand
        stood=1
      fi
      sleep 3
    else
      sleep 0.5
    fi
  done
  e2e_check "$p: the round ends with the back button" 'v == 1' "$ended"
  e2e_check "$p: the result dialog shows" 'v > 0.05' \
    "$(e2e_region_diff "$p-2-turn" "$p-3-result" 246 251 347 255)"
}

# ---- a game of its own
kill "$E2E_GAME_PID" 2>/dev/null || true
bwork="$work/one-seat-banker"
mkdir -p "$bwork"
e2e_start_game "$build/quorvel" "$bwork"

banker_new_game 30
xdotool mousemove "$(e2e_x 560)" "$(e2e_x 162)"
v=$(e2e_wait_picture 30-3-seat-count "$pics/gif/df1-10.gif" 594 145 10)
e2e_check "30: seat count shows one-on-one" "v < $E2E_PICTURE_MATCH" "$v"
e2e_click 560 162
v=$(e2e_wait_picture 30-4-opponent-selection "$pics/gif-/Qd1-00.gif" 526 523 10)
e2e_check "30: opponent selection" "v < $E2E_PICTURE_MATCH" "$v"
e2e_click 431 300
banker_click_when 30-5-opponent-picked "$pics/gif-/Qd1-01.gif" 526 523 5 "30: an opponent picked"

banker_round 31 1
# The dialog's click starts the next round: the computer bets again.
e2e_click 420 380
banker_round 31 2

# ---- save, back to the main menu, load
rm -f "$bwork/mysave.sav"
e2e_click 736 500
for _ in $(seq 40); do (($(stat -c %s "$bwork/mysave.sav" 2>/dev/null || echo 0) >= 749)) && break; sleep 0.1; done
python3 - "$bwork/mysave.sav" <<'EOF' || E2E_FAILED=1
import sys
data = open(sys.argv[1], "rb").read()
user = "阿鐵".encode("big5")
picture = b"picture\\gif\\rt0"
checks = [
    ("one-seat banker save is 749 bytes", len(data) == 749, len(data)),
    ("save mode is 2", int.from_bytes(data[664:668], "little") == 2, data[664:668].hex()),
    ("the user-banker's name in Big5 at 0", data[0] == len(user) and data[1:1 + len(user)] == user,
     data[0:1 + len(user)].hex()),
    ("the computer's portrait in picture slot 2", data[422:422 + len(picture)] == picture,
     data[421:440]),
]
failed = False
for what, ok, value in checks:
    print(("ok: " if ok else "FAIL: ") + f"{what} ({value})")
    failed |= not ok
sys.exit(1 if failed else 0)
EOF
e2e_click 165 536
v=$(e2e_wait_picture 32-back-to-menu "$pics/gif/Yxks01.gif" 264 373 10)
e2e_check "one-seat banker: back at the main menu" "v < $E2E_PICTURE_MATCH" "$v"
e2e_click 385 400
v=$(e2e_wait_picture 33-loaded "$pics/gif/an107.gif" 688 440 20)
e2e_check "loading opens the banker's table: the computer bets, deal offered" \
  "v < $E2E_PICTURE_MATCH" "$v"

errors=$(grep -c '^quorvel:' "$bwork/game.log" || true)
e2e_check "one-seat banker: no error reports in the game log" 'v == 0' "$errors"
((errors == 0)) || grep '^quorvel:' "$bwork/game.log" | head -5
