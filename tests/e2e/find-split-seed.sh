#!/usr/bin/env bash
# Lists the seeds that deal the user a pair at the first round of the three-seat table with the
# clicks of the end-to-end flow three-seat-split: it plays the clicks of
# tests/scenarios/three_seat_seeded_split.scn up to the deal in the scenario runner, which seeds
# its game as `quorvel --seed N` does, once per seed. A seed counts when the pair splits and the
# split hand's face-down card is no ace, so that swapping in an ace shows.
# Usage: tests/e2e/find-split-seed.sh BUILD_DIR [FIRST [LAST]]   (default: seeds 1 to 400)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
first=${2:-1}
last=${3:-400}
script=$(mktemp --suffix=.scn)
trap 'rm -f "$script"' EXIT
# The clicks up to the deal, without the script's own seed and expectations.
clicks=$(sed -n '/^click Tmainform.Image2$/,/^click TForm4.Image20$/p' \
  "$here/../scenarios/three_seat_seeded_split.scn" | grep -v '^expect')
for ((seed = first; seed <= last; ++seed)); do
  printf 'seed %d\n%s\nhands TForm4\n' "$seed" "$clicks" >"$script"
  hands=$("$build/quorvel-scenario" "$script" | grep -E '^(seat2|split2) ') || continue
  grep -q '^split2 .*CardCount=2 \[[^A]' <<<"$hands" || continue
  echo "seed $seed:"
  sed -E 's/ Money=.*HandValue=/ /' <<<"$hands"
done
