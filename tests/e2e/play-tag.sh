#!/usr/bin/env bash
# Plays one Tag game on the real program under a private virtual X server.
#   play-tag.sh <glimmerkin executable> <artifact directory> [scale factor 1|2] [portable]
# Exits 0 when every check passes, 77 when Xvfb is not installed, 1 otherwise.
set -u

exe=$1
out=$2
scale=${3:-1}
build=${4:-}

if ! command -v Xvfb >/dev/null 2>&1; then
  echo "SKIP: Xvfb is not installed"
  exit 77
fi
for tool in xdotool xwininfo import convert; do
  command -v "$tool" >/dev/null 2>&1 || { echo "FAIL: $tool is not installed"; exit 1; }
done

mkdir -p "$out"
rm -f "$out"/*.png "$out"/*.log
work=$(mktemp -d)
xvfb_pid=""
game_pid=""

cleanup() {
  [[ -n "$game_pid" ]] && kill "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
  echo "FAIL: $*"
  [[ -n "${DISPLAY:-}" ]] && import -window root "$out/failure.png" 2>/dev/null
  exit 1
}

# --- a private X server on a display number of its own --------------------------------------
source "$(dirname "$0")/../support/xvfb.sh"
start_xvfb "$((1280 * scale))x$((1024 * scale))x24" "$out/xvfb.log" || fail "Xvfb did not start (see xvfb.log)"
xvfb_pid=$XVFB_PID
echo "virtual display $DISPLAY, scale $scale"

# --- helpers ------------------------------------------------------------------------
px() { echo $(($1 * scale)); } # logical pixels to the screen's

# Visible windows of the program with the given client size, newest last.
windows_of_size() {
  local id
  for id in $(xdotool search --onlyvisible --class glimmerkin 2>/dev/null); do
    if xwininfo -id "$id" 2>/dev/null | grep -q "Width: $1\$" &&
       xwininfo -id "$id" 2>/dev/null | grep -q "Height: $2\$"; then
      echo "$id"
    fi
  done
}

wait_for_window() { # width height seconds -> window id
  local id t
  for t in $(seq 1 $(($3 * 5))); do
    id=$(windows_of_size "$1" "$2" | tail -n1)
    [[ -n "$id" ]] && { echo "$id"; return 0; }
    kill -0 "$game_pid" 2>/dev/null || return 1
    sleep 0.2
  done
  return 1
}

# Hex colours (RRGGBB) of the given logical points of a window shot: x1 y1 x2 y2 ...
colours() {
  local file=$1 format="" x y
  shift
  while (($#)); do
    x=$(( $1 * scale + scale / 2 )); y=$(( $2 * scale + scale / 2 ))
    format+="%[hex:p{$x,$y}] "
    shift 2
  done
  convert "$file" -format "$format" info: | tr ' ' '\n' | cut -c1-6 | grep .
}

# How many pixels of a logical rectangle are within a small distance of a colour.
count_near() { # file x y w h RRGGBB
  convert "$1" -crop "$(px "$4")x$(px "$5")+$(px "$2")+$(px "$3")" +repage \
    -fuzz 12% -fill black -opaque "#$6" -fill white +opaque black -negate \
    -format "%[fx:round(mean*w*h)]" info:
}

shoot() { import -window "$land" "$out/$1.png" 2>/dev/null; }

close_box() { # closes an open message box with its OK button, if there is one
  local id
  for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
    [[ "$id" == "$land" ]] && continue
    xdotool key --window "$id" Return 2>/dev/null
    return 0
  done
  return 1
}

# Lights: left, top (logical pixels in the window), size 97, rest colour.
light_x=(0 216 416 216 528)
light_y=(0 352 96 16 376)
rest=(none 008000 00FFFF FFFFFF 0000FF)

# --- start-up: the splash, then the game window ------------------------------------------
QT_SCALE_FACTOR=$scale "$exe" >"$out/glimmerkin.log" 2>&1 &
game_pid=$!

splash=$(wait_for_window "$(px 394)" "$(px 376)" 90) || fail "no splash window of 394 x 376"
echo "splash $splash"
sleep 1
import -window root "$out/splash-screen.png" 2>/dev/null
title=$(xdotool getwindowname "$splash" 2>/dev/null)
# Qt names an untitled window after the program; the window peers clear the name
# through X11, which a portable build does not call.
if [[ "$build" != portable ]]; then
  [[ -z "$title" ]] || fail "the splash has the title '$title'"
fi

land=$(wait_for_window "$(px 676)" "$(px 482)" 90) || fail "no game window of 676 x 482"
echo "game window $land"
[[ "$(xdotool getwindowname "$land")" == "Glimmerkin" ]] || fail "game window title is not Glimmerkin"
for _ in $(seq 1 50); do
  [[ -z "$(windows_of_size "$(px 394)" "$(px 376)")" ]] && break
  sleep 0.2
done
[[ -z "$(windows_of_size "$(px 394)" "$(px 376)")" ]] || fail "the splash stayed open"
sleep 1
shoot land
import -window root "$out/land-screen.png" 2>/dev/null

# --- the lights at rest are their terrain colours ------------------------------------------
for n in 1 2 3 4; do
  x=${light_x[$n]}; y=${light_y[$n]}
  mapfile -t seen < <(colours "$out/land.png" $((x + 48)) $((y + 48)) $((x + 5)) $((y + 5)) $((x + 91)) $((y + 91)))
  for c in "${seen[@]}"; do
    [[ "${c^^}" == "${rest[$n]}" ]] || fail "light $n shows #$c, not #${rest[$n]}"
  done
done
echo "lights show their rest colours"

# --- choose Tag: its caption turns red -------------------------------------------------------
tag_red=0
for _ in 1 2 3; do
  xdotool mousemove --window "$land" "$(px 167)" "$(px 398)" click 1
  sleep 1
  shoot tag-chosen
  tag_red=$(count_near "$out/tag-chosen.png" 135 386 65 25 FF0000)
  ((tag_red > 10)) && break
done
((tag_red > 10)) || fail "Tag did not turn red after clicking it"
echo "Tag chosen"

# --- start, find the quarry and tag it -------------------------------------------------------
scored=0
for attempt in 1 2 3; do
  echo "attempt $attempt: Start"
  xdotool mousemove --window "$land" "$(px 522)" "$(px 72)" click 1
  found=0
  deadline=$((SECONDS + 20))
  while ((SECONDS < deadline)); do
    import -window "$land" "$work/now.png" 2>/dev/null || continue
    # Three points of each light: the quarry's picture covers them all.
    points=()
    for n in 1 2 3 4; do
      x=${light_x[$n]}; y=${light_y[$n]}
      points+=($((x + 48)) $((y + 48)) $((x + 30)) $((y + 30)) $((x + 66)) $((y + 40)))
    done
    mapfile -t seen < <(colours "$work/now.png" "${points[@]}")
    ((${#seen[@]} == 12)) || continue
    for n in 1 2 3 4; do
      c=""
      for k in 0 1 2; do
        s=${seen[$(((n - 1) * 3 + k))]}
        [[ "${s^^}" != "${rest[$n]}" ]] && c=$s
      done
      if [[ -n "$c" ]]; then
        xdotool mousemove --window "$land" "$(px $((light_x[n] + 48)))" "$(px $((light_y[n] + 48)))" click 1
        cp "$work/now.png" "$out/quarry-on-light-$n.png"
        echo "quarry on light $n (#$c): clicked"
        found=$n
        break 2
      fi
    done
    if close_box "Got Away"; then break; fi
  done
  ((found)) || { close_box "Got Away"; sleep 1; continue; }

  # The score box on the left cloud shows 1 in dark red: a single narrow figure.
  red=0
  for _ in $(seq 1 8); do
    sleep 0.25
    shoot scored
    red=$(count_near "$out/scored.png" 88 24 57 25 800000)
    ((red > 5)) && break
  done
  if ((red > 5)); then
    width=$(convert "$out/scored.png" -crop "$(px 57)x$(px 25)+$(px 88)+$(px 24)" +repage \
      -fuzz 25% -fill black -opaque "#800000" -fill white +opaque black -trim -format "%w" info:)
    echo "score box: $red dark red pixels, $width pixels wide"
    if ((width <= 8 * scale)); then
      scored=1
      break
    fi
    fail "the score box shows something wider than a single 1"
  fi
  echo "missed (the quarry moved on first); trying again"
  for _ in $(seq 1 30); do close_box "Got Away" && break; sleep 0.3; done
  sleep 1
done
((scored)) || fail "no hit was scored in three games"

# The game goes on: the next jump without a hit ends it with a message box.
for _ in $(seq 1 50); do
  close_box "Got Away" && { echo "the quarry got away: box closed"; break; }
  sleep 0.2
done
sleep 0.5
shoot after-game
kill -0 "$game_pid" 2>/dev/null || fail "the program ended during the game"
[[ "$(colours "$out/after-game.png" 100 36)" != "" ]] || fail "no final screenshot"
echo "PASS"
