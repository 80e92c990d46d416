#!/bin/sh
# Contact sheet of the generated artwork: every picture of a data folder in one PNG, each with
# its file name, large pictures shrunk to fit their tile. Needs ImageMagick's montage.
#   tools/contact-sheet.sh DATA_DIR OUT.png
set -eu
if [ $# -ne 2 ] || [ ! -d "$1" ]; then
    echo "usage: $0 DATA_DIR OUT.png" >&2
    exit 2
fi
data=$1
out=$2
case $out in /*) ;; *) out=$(pwd)/$out ;; esac
list=$(mktemp)
trap 'rm -f "$list"' EXIT
# Sorted so the sheet always has the same order; BMP and JPEG included.
(cd "$data" && find picture -type f \( -iname '*.gif' -o -iname '*.jpg' -o -iname '*.bmp' \) | LC_ALL=C sort) >"$list"
cd "$data"
# The first frame only ("[0]"); transparent parts show on the grey background. File names are
# passed as arguments (ImageMagick's policy may forbid reading a list from standard input);
# generated names have no spaces.
# shellcheck disable=SC2046
montage $(sed 's/$/[0]/' "$list") -background '#8a8a8a' -fill black -pointsize 10 \
    -label '%f' -geometry '200x150>+6+6' -tile 10x "$out"
echo "$out: $(wc -l <"$list") pictures"
