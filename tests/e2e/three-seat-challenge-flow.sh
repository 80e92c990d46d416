#!/usr/bin/env bash
# A game at the three-seat table, sourced by flow.sh in a game of its own: a fresh run of
# the game, challenge the banker, pick a character, many-against-one, three opponents, two
# rounds at the table (a chip, bets done, hit until bust), save, back to the main menu and
# load.
# Every step waits for its expected picture with a bounded timeout and checks it.
# Uses flow.sh's variables and helpers: build, E2E_SHOTS, E2E_GAME_PID.

pics="$build/data/picture"

# three_click_when SHOT PICTURE X Y TIMEOUT DESCRIPTION: waits for a button picture at X,Y,
# checks it, then clicks its middle.
three_click_when() {
  local v w h
  v=$(e2e_wait_picture "$1" "$2" "$3" "$4" "$5")
  e2e_check "$6" "v < $E2E_PICTURE_MATCH" "$v"
  read -r w h < <(identify -format '%w %h\n' "$2[0]")
  e2e_click $(($3 + w / 2)) $(($4 + h / 2))
}

# ---- 1. A fresh run of the game, in a working folder of its own.
kill "$E2E_GAME_PID" 2>/dev/null || true
wait "$E2E_GAME_PID" 2>/dev/null || true
work3=$(mktemp -d)
e2e_start_game "$build/quorvel" "$work3"
e2e_click 385 339
e2e_wait_picture 30-banker-choices "$pics/gif/Wjzz10.gif" 120 440 10 >/dev/null
e2e_click 188 463
v=$(e2e_wait_picture 30-player-selection "$pics/gif-/Qd1-00.gif" 515 535 10)
e2e_check "three seats: player selection shows" "v < $E2E_PICTURE_MATCH" "$v"
e2e_click 98 114
three_click_when 31-player-picked "$pics/gif-/Qd1-01.gif" 515 535 5 "three seats: a character picked"

# ---- 2. Many against one, and three opponents.
xdotool mousemove "$(e2e_x 740)" "$(e2e_x 235)"
v=$(e2e_wait_picture 32-seat-count "$pics/gif/df1-24.gif" 562 218 10)
e2e_check "seat count: hovering many-against-one shows its plate" "v < $E2E_PICTURE_MATCH" "$v"
e2e_click 740 235
v=$(e2e_wait_picture 33-opponents "$pics/gif-/Qd1-00.gif" 526 523 10)
e2e_check "three seats: opponent selection shows" "v < $E2E_PICTURE_MATCH" "$v"
for figure in "431 262" "521 257" "610 330"; do
  # shellcheck disable=SC2086
  e2e_click $figure
  sleep 0.5
done
three_click_when 34-opponents-picked "$pics/gif-/Qd1-01.gif" 526 523 5 \
  "three opponents picked enable OK"

# ---- 3. Two rounds at the three-seat table.
# three_round N: start, a 1000 chip, bets done, then hit until the round ends, and its dialog.
# Every hand of the user busts (a pair splits by itself, and each hand is hit in turn), so no
# round is won and a winning streak can never take the flow into a challenge.
three_round() {
  local n=$1 v
  three_click_when "4$n-1-start" "$pics/gif/an118.gif" 688 464 20 "three seats, round $n: start offered"
  three_click_when "4$n-2-chips" "$pics/gif/money1.gif" 464 520 20 "three seats, round $n: chips offered"
  three_click_when "4$n-3-bet" "$pics/gif/an111.gif" 688 464 15 \
    "three seats, round $n: bets done offered after a chip"
  three_click_when "4$n-4-turn" "$pics/gif/an100.gif" 688 415 60 \
    "three seats, round $n: the user's turn comes with hit"
  e2e_check "three seats, round $n: the user's cards dealt" 'v > 0.05' \
    "$(e2e_region_stddev "4$n-4-turn" 330 385 100 130)"
  # Clicks on hit while a card flies or a banner holds the game are refused, so clicking
  # whenever it shows is safe.
  local deadline=$((SECONDS + 90)) ended=0
  while ((SECONDS < deadline)); do
    if e2e_shows "$pics/design/back.gif" 120 556; then
      ended=1
      break
    fi
    if e2e_shows "$pics/gif/an100.gif" 688 415; then
      e2e_click 736 427
    fi
    sleep 0.5
  done
  e2e_shot "4$n-5-result"
  e2e_check "three seats, round $n: the round ends with the back button" 'v == 1' "$ended"
  e2e_check "three seats, round $n: the result dialog shows" 'v > 0.05' \
    "$(e2e_region_diff "4$n-4-turn" "4$n-5-result" 229 207 347 255)"
}

three_round 1
# A click on the dialog starts the next round.
e2e_click 400 440
three_round 2

# ---- 4. Save, back to the main menu, load.
rm -f "$work3/mysave.sav"
e2e_click 736 500
for _ in $(seq 40); do (($(stat -c %s "$work3/mysave.sav" 2>/dev/null || echo 0) >= 749)) && break; sleep 0.1; done
python3 - "$work3/mysave.sav" <<'EOF' || E2E_FAILED=1
import sys
data = open(sys.argv[1], "rb").read()
user = "阿鐵".encode("big5")
money = [int.from_bytes(data[o:o + 4], "little", signed=True) for o in (324, 328, 332, 336)]
checks = [
    ("three seats: save file is 749 bytes", len(data) == 749, len(data)),
    ("three seats: save mode is 3", int.from_bytes(data[664:668], "little") == 3, data[664:668].hex()),
    ("three seats: the user's name in Big5 at 162", data[162] == len(user) and
     data[163:163 + len(user)] == user, data[162:163 + len(user)].hex()),
    ("three seats: four bankrolls saved", all(0 < m < 2000000 for m in money), money),
]
failed = False
for what, ok, value in checks:
    print(("ok: " if ok else "FAIL: ") + f"{what} ({value})")
    failed |= not ok
sys.exit(1 if failed else 0)
EOF
e2e_click 157 572
v=$(e2e_wait_picture 50-back-to-menu "$pics/gif/Yxks01.gif" 264 373 10)
e2e_check "three seats: back at the main menu" "v < $E2E_PICTURE_MATCH" "$v"
e2e_click 385 400
v=$(e2e_wait_picture 51-loaded "$pics/gif/an118.gif" 688 464 15)
e2e_check "three seats: loading opens the table with its start button" "v < $E2E_PICTURE_MATCH" "$v"
e2e_check "three seats: loading shows the table" 'v > 0.1' \
  "$(e2e_region_diff 50-back-to-menu 51-loaded 0 0 800 600)"

errors=$(grep -c '^quorvel:' "$work3/game.log" || true)
e2e_check "three seats: no error reports in the game log" 'v == 0' "$errors"
((errors == 0)) || grep '^quorvel:' "$work3/game.log" | head -5
rm -rf "$work3"
