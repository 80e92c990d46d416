#!/usr/bin/env bash
# A whole game, sourced by flow.sh once the banker choices show: challenge the banker, pick a
# character, one-on-one, an opponent, two rounds at the table, save, back to the main menu
# and load. Every step waits for its expected picture with a bounded timeout and checks it.
# Uses flow.sh's variables: build, work, E2E_SHOTS.

pics="$build/data/picture"

# flow_click_when SHOT PICTURE X Y TIMEOUT DESCRIPTION: waits for a button picture at X,Y,
# checks it, then clicks its middle.
flow_click_when() {
  local v w h
  v=$(e2e_wait_picture "$1" "$2" "$3" "$4" "$5")
  e2e_check "$6" "v < $E2E_PICTURE_MATCH" "$v"
  read -r w h < <(identify -format '%w %h\n' "$2[0]")
  e2e_click $(($3 + w / 2)) $(($4 + h / 2))
}

# ---- 1. Challenge the banker.
e2e_click 188 463
v=$(e2e_wait_picture 03-player-selection "$pics/gif-/Qd1-00.gif" 515 535 10)
e2e_check "player selection shows its inactive OK" "v < $E2E_PICTURE_MATCH" "$v"

# ---- 2. A character, one-on-one, an opponent.
xdotool mousemove "$(e2e_x 98)" "$(e2e_x 114)"
v=$(e2e_wait_picture 04-player-hover "$pics/gif/js-001.gif" 229 65 5)
e2e_check "hovering the first plate shows its profile" "v < $E2E_PICTURE_MATCH" "$v"
e2e_click 98 114
flow_click_when 05-player-picked "$pics/gif-/Qd1-01.gif" 515 535 5 "picking a character enables OK"

xdotool mousemove "$(e2e_x 560)" "$(e2e_x 162)"
v=$(e2e_wait_picture 06-seat-count "$pics/gif/df1-10.gif" 594 145 10)
e2e_check "seat count: hovering one-on-one shows its plate" "v < $E2E_PICTURE_MATCH" "$v"
e2e_check "seat count: one-on-one highlighted" "v < $E2E_PICTURE_MATCH" \
  "$(e2e_picture_diff 06-seat-count "$pics/gif/df1-1.gif" 510 112)"
e2e_click 560 162

v=$(e2e_wait_picture 07-opponent-selection "$pics/gif-/Qd1-00.gif" 526 523 10)
e2e_check "opponent selection shows its inactive OK" "v < $E2E_PICTURE_MATCH" "$v"
e2e_check "the user's own figure is lit" "v < $E2E_PICTURE_MATCH" \
  "$(e2e_picture_diff 07-opponent-selection "$pics/gif/a-001.gif" 0 205)"
e2e_click 431 300
e2e_check "the opponent's figure is lit" "v < $E2E_PICTURE_MATCH" \
  "$(e2e_wait_picture 08-opponent-picked "$pics/gif/a-005.gif" 376 139 5)"
flow_click_when 08-opponent-picked "$pics/gif-/Qd1-01.gif" 526 523 5 "picking an opponent enables OK"

# ---- 3. Rounds at the one-seat table.
# flow_round N: a chip, deal, stand (declining a pair's split), the result dialog.
flow_round() {
  local n=$1 v
  flow_click_when "1$n-1-chips" "$pics/gif/money1.gif" 464 520 15 "round $n: chips offered"
  flow_click_when "1$n-2-bet" "$pics/gif/an107.gif" 688 464 10 "round $n: deal offered after a chip"
  # Dealing ends at the user's turn (hit button) or, for a pair, at the split choice.
  local deadline=$((SECONDS + 20)) turn=0
  while ((SECONDS < deadline)); do
    if e2e_shows "$pics/gif/an100.gif" 688 415; then
      turn=1
      break
    fi
    if e2e_shows "$pics/gif/an103.gif" 688 464; then
      echo "note: round $n dealt a pair; declining the split"
      e2e_click 736 476
    fi
    sleep 0.25
  done
  e2e_shot "1$n-3-dealt"
  e2e_check "round $n: the user's turn after dealing" 'v == 1' "$turn"
  e2e_check "round $n: two cards dealt to the user" 'v > 0.05' \
    "$(e2e_region_stddev "1$n-3-dealt" 295 435 75 80)"
  flow_click_when "1$n-3-dealt" "$pics/gif/an101.gif" 688 440 5 "round $n: stand offered"
  v=$(e2e_wait_picture "1$n-4-result" "$pics/design/back.gif" 128 520 40)
  e2e_check "round $n: the round ends with the back button" "v < $E2E_PICTURE_MATCH" "$v"
  e2e_check "round $n: the result dialog shows" 'v > 0.05' \
    "$(e2e_region_diff "1$n-3-dealt" "1$n-4-result" 248 238 347 255)"
}

flow_round 1
e2e_click 420 300
v=$(e2e_wait_picture 11-5-continued "$pics/gif/money1.gif" 464 520 15)
e2e_check "continuing offers the chips again" "v < $E2E_PICTURE_MATCH" "$v"
e2e_check "continuing hides the back button" "v > $E2E_PICTURE_MATCH" \
  "$(e2e_picture_diff 11-5-continued "$pics/design/back.gif" 128 520)"
flow_round 2
# Both rounds are counted for the one-on-one table in the data folder's statistics file.
stats="$work/.local/share/quorvel/stats"
e2e_check "the statistics file counts both rounds" 'v == 2' \
  "$(awk '$1 == "mode" { m = $2 } m == 1 && $1 == "rounds" { print $2 }' "$stats" 2>/dev/null || echo 0)"

# ---- 4. Save, then back to the main menu.
rm -f "$work/mysave.sav"
e2e_click 736 500
for _ in $(seq 40); do (($(stat -c %s "$work/mysave.sav" 2>/dev/null || echo 0) >= 749)) && break; sleep 0.1; done
python3 - "$work/mysave.sav" <<'EOF' || E2E_FAILED=1
import sys
data = open(sys.argv[1], "rb").read()
name = "阿鐵".encode("big5")
checks = [
    ("save file is 749 bytes", len(data) == 749, len(data)),
    ("save mode is 1", int.from_bytes(data[664:668], "little") == 1, data[664:668].hex()),
    ("user's name in Big5 at 81", data[81] == len(name) and data[82:82 + len(name)] == name,
     data[81:82 + len(name)].hex()),
]
failed = False
for what, ok, value in checks:
    print(("ok: " if ok else "FAIL: ") + f"{what} ({value})")
    failed |= not ok
sys.exit(1 if failed else 0)
EOF
e2e_click 165 536
v=$(e2e_wait_picture 20-back-to-menu "$pics/gif/Yxks01.gif" 264 373 10)
e2e_check "back at the main menu with load game" "v < $E2E_PICTURE_MATCH" "$v"

# ---- 5. Load the game: the table again.
e2e_click 385 400
v=$(e2e_wait_picture 21-loaded "$pics/gif/money1.gif" 464 520 15)
e2e_check "loading opens the table with its chips" "v < $E2E_PICTURE_MATCH" "$v"
e2e_check "loading shows the table" 'v > 0.1' \
  "$(e2e_region_diff 20-back-to-menu 21-loaded 0 0 800 600)"

errors=$(grep -c '^quorvel:' "$work/game.log" || true)
e2e_check "no error reports in the game log" 'v == 0' "$errors"
((errors == 0)) || grep '^quorvel:' "$work/game.log" | head -5
