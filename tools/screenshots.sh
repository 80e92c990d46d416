#!/bin/sh
# Refreshes docs/screenshots/: a screenshot of every screen as the game draws it at 800x600
# (a headless walk through a new game at each of the four tables), a contact sheet of all of
# them, and a crop at full size of the one-on-one table on a 3840x2160 screen. Builds what it
# needs in BUILD (default build/). Needs ImageMagick.
#   tools/screenshots.sh [BUILD]
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
out=docs/screenshots

cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j2 --target quorvel-screens quorvel_data
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
# The walk prints each file it writes, in its order.
"$build/quorvel-screens" "$build/data" "$shots" >"$shots/order"

mkdir -p "$out"
rm -f "$out"/*.png
while read -r bmp; do
    stem=$(basename "$bmp" .bmp)
    convert "$bmp" -strip -define png:compression-level=9 -define png:compression-filter=2 \
        "$out/$stem.png"
done <"$shots/order"

# The sheet: every screen at a third of its size, in the order of the walk, with its name.
# shellcheck disable=SC2046
montage $(cat "$shots/order") -background '#202020' -fill '#e0e0e0' -pointsize 12 \
    -label '%t' -geometry '266x200+6+6' -tile 4x -depth 8 -strip "$out/contact-sheet.png"
# The one-on-one table on a 3840x2160 screen, 1920x800 of it at one to one: cards, buttons and
# labels as sharp as the screen's pixels.
"$build/quorvel-screens" "$build/data" "$shots/4k" --size 3840x2160 --only table-one-seat >/dev/null
convert "$shots/4k/table-one-seat.bmp" -crop 1920x800+1400+1360 +repage -strip \
    -define png:compression-level=9 "$out/table-4k-crop.png"
echo "$out: $(ls "$out" | wc -l) pictures"
