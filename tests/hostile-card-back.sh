#!/usr/bin/env bash
# The walk through every screen with a card back that costs minutes to decode: a 4096 x 4096
# progressive JPEG of 20,000 cheap scans in place of picture/bk.jpg. The game must refuse it
# with one report and walk on: every screen reached within 30 s, and no report but that one.
# Usage: tests/hostile-card-back.sh SCREENS_TOOL JPEG_TOOL DATA_DIR
set -u
screens=$1 jpeg=$2 data=$(cd "$3" && pwd -P)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The game's data as links, the card back replaced.
cp -rs "$data" "$work/data"
rm -f "$work/data/picture/bk.jpg"
"$jpeg" "$work/data/picture/bk.jpg" 4096 4096 20000 || exit 1

start=$(date +%s%N)
timeout 120 "$screens" "$work/data" "$work/shots" >"$work/out" 2>"$work/err"
rc=$?
elapsed_ms=$((($(date +%s%N) - start) / 1000000))
echo "the walk took ${elapsed_ms} ms (exit $rc)"
failed=0
if ((elapsed_ms > 30000)); then
  echo "FAIL: the walk took longer than 30 s"
  failed=1
fi
# The walk fails on any report (the game also prints it); the only one allowed is the card
# back's, once.
refused='無法解碼圖片檔 picture\\bk.jpg (cannot decode picture'
others=$(grep -v -e "^quorvel: $refused" -e "^quorvel-screens: the game reported: $refused" "$work/err")
if [[ -n "$others" ]]; then
  echo "FAIL: other problems on the walk:"
  echo "$others"
  failed=1
fi
reports=$(grep -c "the game reported: $refused" "$work/err")
if [[ $reports -ne 1 ]]; then
  echo "FAIL: the card back was reported $reports times, not once"
  failed=1
fi
shots=$(ls "$work/shots" | wc -l)
echo "$shots screens drawn; $(head -1 "$work/err")"
((shots >= 20)) || { echo "FAIL: the walk did not reach every screen"; failed=1; }
exit $failed
