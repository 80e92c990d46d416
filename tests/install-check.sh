#!/usr/bin/env bash
# Installs the built game into a temporary prefix and checks what a desktop needs there: the
# game and its data, the launcher (desktop-file-validate), the metainfo with its content rating
# and screenshots (appstreamcli, offline), the icons at the hicolor sizes and the manual page.
# Usage: tests/install-check.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

failed=0
check() { # check DESCRIPTION COMMAND...
  if "${@:2}" >"$prefix/out" 2>&1; then
    echo "ok: $1"
  else
    echo "FAIL: $1"
    sed 's/^/  /' "$prefix/out"
    failed=1
  fi
}

id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$prefix"/share/metainfo/*.metainfo.xml)
desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
check "app id in reverse-DNS form ($id)" grep -Eq '^[a-z]+\.[a-z0-9]+(\.[A-Za-z0-9]+)+$' <<<"$id"
check "the game is installed" test -x "$prefix/bin/quorvel"
check "its data is installed" test -f "$prefix/share/quorvel/data/picture/gif/an100.gif"
check "its painter program and the painted list are installed" \
  test -x "$prefix/libexec/quorvel/quorvel-painter" -a -f "$prefix/share/quorvel/data/painted.txt"
check "the installed game runs" "$prefix/bin/quorvel" --version
check "launcher: desktop-file-validate" desktop-file-validate "$desktop"
check "launcher: a card game started with --desktop" \
  grep -qx 'Categories=Game;CardGame;' "$desktop"
check "launcher: started with the desktop option" grep -qx 'Exec=quorvel --desktop' "$desktop"
check "launcher: its window class is the app id" grep -qx "StartupWMClass=$id" "$desktop"
check "metainfo: appstreamcli validate" appstreamcli validate --no-net "$metainfo"
check "metainfo: an OARS content rating" grep -q '<content_rating type="oars-1.1">' "$metainfo"
check "metainfo: screenshots" grep -q '<screenshot type="default">' "$metainfo"
for size in 16 22 24 32 48 64 128 256 512; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
  check "icon ${size}x${size}" test "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x${size}"
done
check "manual page without warnings" groff -man -ww -z "$prefix/share/man/man6/quorvel.6"
exit $failed
