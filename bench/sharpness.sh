#!/usr/bin/env bash
# How much of the main menu on a 3840x2160 screen is finer than its 800x600 layout: the real
# game under Xvfb, its centre 1440x1080 px in luminance, shrunk to 400x300 (area average) and
# grown back (bilinear), and the RMS difference [0-1] between the two; once with the pictures
# painted at the screen's size and once with them scaled from the files (a data folder without
# its painted.txt), as before. Needs ImageMagick. Usage: bench/sharpness.sh [BUILD_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
cmake --build "$build" --target quorvel quorvel-painter quorvel_data -j2 >/dev/null
export E2E_SCREEN=3840x2160
source "$here/../tests/e2e/lib.sh"
scratch=$(mktemp -d)
export XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data XDG_STATE_HOME=$scratch/state
export XDG_CACHE_HOME=$scratch/cache
trap 'e2e_cleanup; rm -rf "$scratch"' EXIT
e2e_start_display
# The files-only game: the same programs beside a data folder without the painted list.
mkdir -p "$scratch/files/data"
cp "$build/quorvel" "$build/quorvel-painter" "$scratch/files/"
ln -s "$build/data/picture" "$build/data/sound" "$scratch/files/data/"
detail() { # SHOT: prints the figure
  local c=$scratch/centre.png g=$scratch/grown.png
  convert "$1" -crop 1440x1080+1200+540 +repage -colorspace Gray "$c"
  convert "$c" -filter box -resize 400x300! -filter triangle -resize 1440x1080! "$g"
  compare -metric RMSE "$c" "$g" null: 2>&1 | sed 's/.*(\(.*\))/\1/'
}
for way in painted files; do
  game=$build/quorvel
  [[ $way == files ]] && game=$scratch/files/quorvel
  "$game" >/dev/null 2>&1 &
  E2E_PIDS+=($!)
  sleep 6
  import -window root "$scratch/$way.png"
  kill "${E2E_PIDS[-1]}" 2>/dev/null || true
  wait "${E2E_PIDS[-1]}" 2>/dev/null || true
  echo "main menu at 3840x2160, pictures $way: detail beyond the layout $(detail "$scratch/$way.png")"
done
