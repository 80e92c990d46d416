#!/usr/bin/env bash
# A game at the one-on-one table where the user is the banker, sourced by flow.sh in a game of
# its own: the user banks, picks a character, one-on-one, an opponent; two rounds in which the
# computer bets and plays and the user-banker draws until a stand is taken (the second round
# started from the result dialog); save, back to the main menu and load.
source "$(dirname "${BASH_SOURCE[0]}")/banker-lib.sh"

banker_fresh_game one-seat-banker
banker_new_game 30
xdotool mousemove "$(e2e_x 560)" "$(e2e_x 162)"
v=$(e2e_wait_picture 30-3-seat-count "$pics/gif/df1-10.gif" 594 145 10)
e2e_check "30: seat count shows one-on-one" "v < $E2E_PICTURE_MATCH" "$v"
e2e_click 560 162
v=$(e2e_wait_picture 30-4-opponent-selection "$pics/gif-/Qd1-00.gif" 526 523 10)
e2e_check "30: opponent selection" "v < $E2E_PICTURE_MATCH" "$v"
e2e_click 431 300
banker_click_when 30-5-opponent-picked "$pics/gif-/Qd1-01.gif" 526 523 5 "30: an opponent picked"

# TForm3: the deal button at the stand button's place, the computer's cards at the top.
BK_START_PIC=an107.gif
BK_START=(688 440)
BK_HIT=(688 415)
BK_STAND=(688 440)
BK_BACK=(128 520)
BK_DIALOG=(246 251 347 255)
BK_CARDS=(320 220 86 90)
banker_round 31
e2e_click 420 380 # the dialog: the computer bets again
banker_round 32

banker_save_and_reload 33 "736 500" "165 536" 2 2 'picture\gif\rt0'
v=$(e2e_wait_picture 34-loaded "$pics/gif/an107.gif" 688 440 20)
e2e_check "34: loading opens the banker's table: the computer bets, deal offered" \
  "v < $E2E_PICTURE_MATCH" "$v"
banker_log_check one-seat-banker
