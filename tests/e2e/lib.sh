# Helpers for end-to-end runs of the real game under Xvfb with openbox: start the display and
# the game, click at layout coordinates, take screenshots and measure regions of them.
# The screen is 1024x768, so the 800x600 layout is scaled by 1.28 and fills it exactly; a
# benchmark may ask for another size in E2E_SCREEN (WIDTHxHEIGHT).

# A display of the run's own: E2E_DISPLAY when given, else the first free one, which Xvfb
# picks and reports itself, so flows started at once never share one or click into each
# other's game. Its root is black (-br), so nothing but the game's own pixels looks drawn.
E2E_SCALE_NUM=128
E2E_SCALE_DEN=100
E2E_PIDS=()
E2E_GAME_PID=""

e2e_cleanup() {
  for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
}

e2e_start_display() {
  local number
  number=$(mktemp)
  if [[ -n "${E2E_DISPLAY:-}" ]]; then
    Xvfb "$E2E_DISPLAY" -screen 0 "${E2E_SCREEN:-1024x768}x24" -br -nolisten tcp >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    echo "${E2E_DISPLAY#:}" >"$number"
  else
    # Xvfb writes the display's number once it accepts clients.
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1024x768}x24" -br -nolisten tcp 3>"$number" >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    for _ in $(seq 100); do [[ -s "$number" ]] && break; sleep 0.1; done
  fi
  E2E_DISPLAY=:$(head -1 "$number")
  rm -f "$number"
  export DISPLAY=$E2E_DISPLAY
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  openbox >/dev/null 2>&1 &
  E2E_PIDS+=($!)
  # The window manager is up once it names its check window on the root window.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
}

# e2e_start_game GAME WORKDIR [OPTION...]: starts the game in WORKDIR and waits for its window.
# The game's settings, data and state folders are inside WORKDIR, so no user's files count.
# With E2E_CARD_SPEED set (fast, middle, slow) the game starts with that card speed in its
# settings, unless the folder has settings already.
e2e_start_game() {
  local game=$1 dir=$2
  shift 2
  if [[ -n "${E2E_CARD_SPEED:-}" && ! -e "$dir/.config/quorvel/settings.ini" ]]; then
    mkdir -p "$dir/.config/quorvel"
    printf '[game]\ncard_speed = %s\n' "$E2E_CARD_SPEED" >"$dir/.config/quorvel/settings.ini"
  fi
  (cd "$dir" && exec env XDG_CONFIG_HOME="$dir/.config" XDG_DATA_HOME="$dir/.local/share" \
    XDG_STATE_HOME="$dir/.local/state" "$game" "$@") >"$dir/game.log" 2>&1 &
  E2E_GAME_PID=$!
  E2E_PIDS+=($E2E_GAME_PID)
  for _ in $(seq 100); do
    E2E_WINDOW=$(xdotool search --name '^Quorvel$' 2>/dev/null | head -1) && [[ -n "$E2E_WINDOW" ]] && break
    sleep 0.1
  done
  [[ -n "${E2E_WINDOW:-}" ]] || { echo "FAIL: the game window did not appear"; cat "$dir/game.log"; return 1; }
  # Then it fills the screen and draws its first screen.
  local geometry
  for _ in $(seq 100); do
    geometry=$(xdotool getwindowgeometry "$E2E_WINDOW" 2>/dev/null | awk '/Geometry/ {print $2}')
    [[ $geometry == 1024x768 ]] && break
    sleep 0.1
  done
  for _ in $(seq 50); do
    awk "BEGIN { exit !($(import -window root -colorspace Gray -format '%[fx:standard_deviation]' info: 2>/dev/null || echo 0) > 0.05) }" && break
    sleep 0.2
  done
}

# Screen coordinates of a layout point.
e2e_x() { echo $(($1 * E2E_SCALE_NUM / E2E_SCALE_DEN)); }

# e2e_click X Y: a left click at a layout point.
e2e_click() {
  xdotool mousemove "$(e2e_x "$1")" "$(e2e_x "$2")"
  sleep 0.2
  xdotool click 1
}

# e2e_focus: raises the game's window and waits until it has the keyboard's focus, so that no
# key pressed next goes astray.
e2e_focus() {
  xdotool windowactivate --sync "$E2E_WINDOW" 2>/dev/null || true
  for _ in $(seq 50); do
    [[ $(xdotool getwindowfocus 2>/dev/null) == "$E2E_WINDOW" ]] && return 0
    sleep 0.1
  done
}

# e2e_key KEY...: presses keys (xdotool names) in the game's window, one after the other.
e2e_key() {
  local k
  for k in "$@"; do
    xdotool key --clearmodifiers "$k"
    sleep 0.4
  done
}

# e2e_shot NAME: a screenshot of the whole screen into the screenshot folder.
e2e_shot() {
  import -window root "$E2E_SHOTS/$1.png"
}

# e2e_region_stddev SHOT X Y W H: how varied a layout region of a screenshot is [0-1].
e2e_region_stddev() {
  convert "$E2E_SHOTS/$1.png" -crop "$(e2e_x "$4")x$(e2e_x "$5")+$(e2e_x "$2")+$(e2e_x "$3")" \
    -colorspace Gray -format '%[fx:standard_deviation]' info:
}

# e2e_region_diff A B X Y W H: mean absolute difference of a layout region in two shots [0-1].
e2e_region_diff() {
  local g="$(e2e_x "$5")x$(e2e_x "$6")+$(e2e_x "$3")+$(e2e_x "$4")"
  convert \( "$E2E_SHOTS/$1.png" -crop "$g" +repage \) \( "$E2E_SHOTS/$2.png" -crop "$g" +repage \) \
    -compose difference -composite -colorspace Gray -format '%[fx:mean]' info:
}

# e2e_picture_diff SHOT PICTURE X Y: mean absolute difference between the middle half of a
# picture file, scaled like the game scales it, and the shot where the picture sits at the
# layout point X,Y [0-1]. Small (about 0.02) when that picture is showing there, whatever the
# background; the middle half keeps transparent edges out of the comparison, and a blur of both
# keeps the sub-pixel offsets of the scaling from counting as differences.
e2e_picture_diff() {
  local w h
  read -r w h < <(identify -format '%w %h\n' "$2[0]")
  local cut="$(e2e_x $((w / 2)))x$(e2e_x $((h / 2)))"
  convert \( "$E2E_SHOTS/$1.png" -crop "$cut+$(e2e_x $(($3 + w / 4)))+$(e2e_x $(($4 + h / 4)))" +repage \) \
    \( "$2[0]" -resize "$(e2e_x "$w")x$(e2e_x "$h")!" \
    -crop "$cut+$(e2e_x $((w / 4)))+$(e2e_x $((h / 4)))" +repage \) \
    -alpha off -blur 0x2 -compose difference -composite -colorspace Gray -format '%[fx:mean]' info:
}

# e2e_reference PICTURE: the middle half of a picture file, scaled like the game scales it, made
# once per picture in the run's folder (lossless, at full depth); prints its file, its size in
# screen pixels and its offset in layout pixels from the picture's place: "FILE WxH DX DY".
e2e_reference() {
  local ref w h
  ref="$E2E_SHOTS/.references/$(tr '/' '_' <<<"$1").miff"
  if [[ ! -s "$ref.where" ]]; then
    mkdir -p "$E2E_SHOTS/.references"
    read -r w h < <(identify -format '%w %h\n' "$1[0]")
    local cut="$(e2e_x $((w / 2)))x$(e2e_x $((h / 2)))"
    convert "$1[0]" -resize "$(e2e_x "$w")x$(e2e_x "$h")!" \
      -crop "$cut+$(e2e_x $((w / 4)))+$(e2e_x $((h / 4)))" +repage "$ref"
    echo "$ref $cut $((w / 4)) $((h / 4))" >"$ref.where"
  fi
  cat "$ref.where"
}

# e2e_showing PICTURE X Y: the difference e2e_picture_diff would give for a shot taken now,
# from a grab of that region alone and the picture's reference made once: a fraction of the
# cost of a whole shot and a comparison, for waits that look many times.
e2e_showing() {
  local ref cut dx dy
  read -r ref cut dx dy < <(e2e_reference "$1")
  import -window root -crop "$cut+$(e2e_x $(($2 + dx)))+$(e2e_x $(($3 + dy)))" +repage miff:- |
    convert - "$ref" -alpha off -blur 0x2 -compose difference -composite -colorspace Gray \
      -format '%[fx:mean]' info:
}

# e2e_shows PICTURE X Y: whether the picture shows at X,Y now.
e2e_shows() {
  awk "BEGIN { exit !($(e2e_showing "$1" "$2" "$3") < $E2E_PICTURE_MATCH) }"
}

# e2e_wait_picture SHOT PICTURE X Y TIMEOUT: looks until the picture shows at X,Y or TIMEOUT
# [s] passes, then takes the shot named SHOT; prints the last difference (see
# e2e_picture_diff).
e2e_wait_picture() {
  local deadline=$((SECONDS + $5)) v
  while :; do
    v=$(e2e_showing "$2" "$3" "$4")
    awk "BEGIN { exit !($v < $E2E_PICTURE_MATCH) }" && break
    ((SECONDS < deadline)) || break
    sleep 0.25
  done
  e2e_shot "$1"
  echo "$v"
}

# e2e_wait_change SHOT BASE X Y W H TIMEOUT: takes shots named SHOT until the layout region
# differs from the shot BASE by more than E2E_CHANGE or TIMEOUT [s] passes; prints the
# last difference.
e2e_wait_change() {
  local deadline=$((SECONDS + $7)) v
  while :; do
    e2e_shot "$1"
    v=$(e2e_region_diff "$2" "$1" "$3" "$4" "$5" "$6")
    awk "BEGIN { exit !($v > $E2E_CHANGE) }" && break
    ((SECONDS < deadline)) || break
    sleep 0.25
  done
  echo "$v"
}

# Thresholds of the two waits: a picture matches below E2E_PICTURE_MATCH, a region has changed
# above E2E_CHANGE.
E2E_PICTURE_MATCH=${E2E_PICTURE_MATCH:-0.06}
E2E_CHANGE=${E2E_CHANGE:-0.03}

# e2e_check DESCRIPTION CONDITION-AS-AWK-EXPR VALUE
e2e_check() {
  if awk "BEGIN { v = $3; exit !($2) }"; then
    echo "ok: $1 ($3)"
  else
    echo "FAIL: $1 ($3)"
    E2E_FAILED=1
  fi
}
