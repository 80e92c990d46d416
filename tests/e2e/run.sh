#!/usr/bin/env bash
# End-to-end runs of the real game under Xvfb and openbox, driven by xdotool and checked by
# screenshots, which stay in BUILD/e2e-screenshots/FLOW for people to look at. The flows run at
# once, each in a game and on a display of its own (tests/e2e/flow.sh); their reports follow
# one another in the order below, with the time each took.
# Usage: tests/e2e/run.sh BUILD_DIR [FLOW...]   (default: all seven)
# E2E_JOBS=N runs at most N flows at a time (default: all at once).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
shift || true
flows=("$@")
((${#flows[@]})) || flows=(one-seat three-seat-challenge three-seat-split one-seat-banker three-seat-banker keyboard fifo-log)
jobs=${E2E_JOBS:-${#flows[@]}}
reports="$build/e2e-screenshots"
rm -rf "$reports" && mkdir -p "$reports"

pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' INT TERM
for flow in "${flows[@]}"; do
  while (($(jobs -rp | wc -l) >= jobs)); do wait -n || true; done
  (
    start=$SECONDS
    "$here/flow.sh" "$build" "$flow" >"$reports/$flow.log" 2>&1 &
    child=$!
    trap 'kill "$child" 2>/dev/null || true' INT TERM
    status=0
    wait "$child" || status=$?
    echo "$((SECONDS - start)) $status" >"$reports/$flow.result"
  ) &
  pids+=($!)
done

wait
failed=0
for flow in "${flows[@]}"; do
  read -r seconds status <"$reports/$flow.result" || { seconds='?'; status=1; }
  echo "-- $flow, $seconds s"
  cat "$reports/$flow.log"
  ((status == 0)) || failed=1
done
if ((failed)); then
  echo "end-to-end: FAILED in $SECONDS s (screenshots in $reports)"
  exit 1
fi
echo "end-to-end: passed in $SECONDS s (screenshots in $reports)"
