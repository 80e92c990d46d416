#!/usr/bin/env bash
# A game at the three-seat table where the user is the banker, sourced by flow.sh in a game of
# its own: the user banks, picks a character, many-against-one, three opponents; two rounds in
# which the seats bet and play and the user-banker draws until a stand is taken (the second
# round started from the result dialog); save, back to the main menu and load.
source "$(dirname "${BASH_SOURCE[0]}")/banker-lib.sh"

banker_fresh_game three-seat-banker
banker_new_game 40
xdotool mousemove "$(e2e_x 740)" "$(e2e_x 235)"
v=$(e2e_wait_picture 40-3-seat-count "$pics/gif/df1-24.gif" 562 218 10)
e2e_check "40: seat count shows many-against-one" "v < $E2E_PICTURE_MATCH" "$v"
e2e_click 740 235
v=$(e2e_wait_picture 40-4-opponent-selection "$pics/gif-/Qd1-00.gif" 526 523 10)
e2e_check "40: opponent selection" "v < $E2E_PICTURE_MATCH" "$v"
for figure in "200 380" "431 300" "650 200"; do
  e2e_click ${figure}
  sleep 0.5
done
banker_click_when 40-5-opponents-picked "$pics/gif-/Qd1-01.gif" 526 523 5 "40: three opponents picked"

# TForm5: the start button at the stand button's place, seat 2's cards at the top.
BK_START_PIC=an118.gif
BK_START=(688 473)
BK_HIT=(688 448)
BK_STAND=(688 473)
BK_BACK=(140 504)
BK_DIALOG=(221 239 347 255)
BK_CARDS=(330 190 86 90)
banker_round 41
e2e_click 395 400 # the dialog: "新一局開始！"
banker_round 42

banker_save_and_reload 43 "736 522" "177 520" 4 2 'picture\gif\ch_11'
v=$(e2e_wait_picture 44-loaded "$pics/gif/an118.gif" 688 473 20)
e2e_check "44: loading opens the three-seat banker's table, ready to start" \
  "v < $E2E_PICTURE_MATCH" "$v"
banker_log_check three-seat-banker
