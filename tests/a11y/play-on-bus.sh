#!/usr/bin/env bash
# Plays one Follow level of the real program through the accessibility bus alone: no
# mouse, no key. Everything runs privately: a session bus (dbus-run-session), the
# accessibility bus (at-spi2-core's launcher) and the display, either a virtual X server
# or weston's headless compositor with the program on Qt's Wayland plugin.
#   play-on-bus.sh <glimmerkin executable> <artifact directory> x11|wayland <packaging directory>
# On Wayland the program's application id must be the name of the one desktop entry
# in the packaging directory.
# Exits 0 when every check passes, 1 otherwise.
set -u

here=$(cd "$(dirname "$0")" && pwd)

if [[ "${1:-}" != --on-bus ]]; then
  platform=${3:-}
  [[ "$platform" == x11 || "$platform" == wayland ]] || { echo "usage: $0 EXE OUT x11|wayland PACKAGING"; exit 2; }
  # Debian's python, whichever python comes first on the path: pyatspi lives there.
  needed=(dbus-run-session dbus-send /usr/libexec/at-spi-bus-launcher /usr/bin/python3)
  [[ "$platform" == x11 ]] && needed+=(Xvfb xdpyinfo import) || needed+=(weston)
  for tool in "${needed[@]}"; do
    command -v "$tool" >/dev/null 2>&1 || { echo "FAIL: $tool is not installed (scripts/deps installs it)"; exit 1; }
  done
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "FAIL: python3-pyatspi is not installed"; exit 1; }
  [[ "$platform" == x11 ]] || compgen -G '/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so' >/dev/null ||
    { echo "FAIL: Qt's Wayland plugin (qt6-wayland) is not installed"; exit 1; }
  # A session bus of our own, which ends with this test.
  exec dbus-run-session -- "$0" --on-bus "$@"
fi
shift

exe=$1
out=$2
platform=$3
packaging=$4

mkdir -p "$out"
rm -f "$out"/*.png "$out"/*.log "$out"/*.log.out

# The locale the run names, as a desktop of that language has it: compiled here from
# glibc's sources where the machine has not generated it (a minimal Debian has C.UTF-8
# alone), so that the program starts in it rather than in a plain C locale.
if [[ -n "${LANG:-}" ]] && ! locale -a 2>/dev/null | grep -qix "${LANG/UTF-8/utf8}"; then
  mkdir -p "$out/locales"
  localedef -i "${LANG%%.*}" -f UTF-8 "$out/locales/$LANG" 2>/dev/null ||
    { echo "FAIL: the locale $LANG cannot be made (the locales package has its sources)"; exit 1; }
  export LOCPATH="$out/locales"
fi
game_pid=""
bus_pid=""
xvfb_pid=""
runtime_dir=""

cleanup() {
  [[ -n "$game_pid" ]] && kill "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
  [[ -n "$bus_pid" ]] && kill "$bus_pid" 2>/dev/null && wait "$bus_pid" 2>/dev/null
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  [[ "$platform" == wayland ]] && stop_weston
  [[ -n "$runtime_dir" ]] && rm -rf "$runtime_dir"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

screenshot() { # name
  if [[ "$platform" == x11 ]]; then
    import -window root "$out/$1.png" 2>/dev/null
  else
    # weston's screenshooter writes into the current directory; the debug option lets it.
    (cd "$out" && rm -f wayland-screenshot-*.png && timeout 10 weston-screenshooter >/dev/null 2>&1 &&
      mv wayland-screenshot-*.png "$1.png" 2>/dev/null)
  fi
}

fail() {
  echo "FAIL: $*"
  screenshot failure
  exit 1
}

# --- the display -----------------------------------------------------------------------------
if [[ "$platform" == x11 ]]; then
  # A desktop session has a runtime directory; without one Qt says so on the way.
  runtime_dir=$(mktemp -d "${TMPDIR:-/tmp}/glimmerkin-runtime.XXXXXX") || fail "no runtime directory"
  chmod 0700 "$runtime_dir"
  export XDG_RUNTIME_DIR=$runtime_dir
  source "$here/../support/xvfb.sh"
  start_xvfb 1280x1024x24 "$out/xvfb.log" || fail "Xvfb did not start (see xvfb.log)"
  xvfb_pid=$XVFB_PID
  export QT_QPA_PLATFORM=xcb
  echo "virtual display $DISPLAY"
else
  source "$here/../support/weston.sh"
  # The protocol dump (log scope "proto") shows what the program asks of the compositor;
  # --debug lets the screenshooter in.
  start_weston 1280 1024 "$out/weston.log" --debug --logger-scopes=log,proto ||
    fail "weston did not start (see weston.log)"
  export QT_QPA_PLATFORM=wayland
  echo "weston on $WAYLAND_DISPLAY in $XDG_RUNTIME_DIR"
fi

# --- the accessibility bus --------------------------------------------------------------------
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$out/at-spi-bus.log" 2>&1 &
bus_pid=$!
# Asked without activation: a call to the launcher's name would start a second one.
launcher_up() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
for _ in $(seq 1 300); do
  launcher_up && break
  kill -0 "$bus_pid" 2>/dev/null || fail "the accessibility bus launcher ended (see at-spi-bus.log)"
  sleep 0.1
done
launcher_up || fail "no accessibility bus"
# A screen reader says it is there; Qt then connects the program to the accessibility bus.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
  string:org.a11y.Status string:ScreenReaderEnabled variant:boolean:true >/dev/null ||
  fail "the accessibility bus refused the screen reader's flag"

# --- the program -------------------------------------------------------------------------------
"$exe" >"$out/glimmerkin.log" 2>&1 &
game_pid=$!
echo "program $game_pid on $QT_QPA_PLATFORM"

if ! /usr/bin/python3 "$here/play_follow.py" "$game_pid"; then
  kill -0 "$game_pid" 2>/dev/null || head -n 60 "$out/glimmerkin.log"
  fail "the play-through over the bus failed"
fi
screenshot after-play
kill -0 "$game_pid" 2>/dev/null || fail "the program ended during the game"

# The end of the session closes the windows as the user would, and the program ends.
kill -TERM "$game_pid"
status=""
for _ in $(seq 1 100); do
  if ! kill -0 "$game_pid" 2>/dev/null; then
    wait "$game_pid"
    status=$?
    break
  fi
  sleep 0.1
done
game_pid_left=$game_pid
game_pid=""
[[ -n "$status" ]] || { kill -KILL "$game_pid_left"; fail "the program did not end on the session's end"; }
if [[ "$status" != 0 ]]; then
  head -n 60 "$out/glimmerkin.log"
  fail "the program ended with status $status"
fi

# --- nothing printed: what the platform does not allow degrades quietly ----------------------
# One line is the screen reader's doing, not the program's: Qt 6.8's AT-SPI bridge notes
# each question the reader asks of a window that has already gone (the message box it
# has just closed).
printed=$(grep -v '^qt\.accessibility\.atspi: Could not find accessible on path: ' "$out/glimmerkin.log" || true)
if [[ -n "$printed" ]]; then
  echo "$printed"
  fail "the program printed the above"
fi

if [[ "$platform" == wayland ]]; then
  # The compositor knows the program by its desktop entry's name, from its first window on.
  entries=("$packaging"/*.desktop)
  ((${#entries[@]} == 1)) && [[ -e "${entries[0]}" ]] || fail "not one desktop entry in $packaging: ${entries[*]}"
  app_id=$(basename "${entries[0]}" .desktop)
  ids=$(grep -o 'xdg_toplevel@[0-9]*\.set_app_id("[^"]*")' "$out/weston.log" | sed 's/.*set_app_id("\(.*\)")/\1/' | sort -u)
  [[ -n "$ids" ]] || fail "the program gave the compositor no application id"
  [[ "$ids" == "$app_id" ]] || fail "application ids given: $(echo $ids), not $app_id alone"
  first_toplevel=$(grep -m1 -o 'xdg_surface@[0-9]*\.get_toplevel(new id xdg_toplevel@[0-9]*)' "$out/weston.log" |
    sed 's/.*xdg_toplevel@\([0-9]*\)).*/\1/')
  grep -q "xdg_toplevel@$first_toplevel\.set_app_id(\"$app_id\")" "$out/weston.log" ||
    fail "the first window has no application id"
  echo "application id $app_id"
  # The splash and the game window keep their fixed sizes: the compositor is told so.
  for size in "394, 376" "676, 482"; do
    grep -q "xdg_toplevel@[0-9]*\.set_min_size($size)" "$out/weston.log" &&
      grep -q "xdg_toplevel@[0-9]*\.set_max_size($size)" "$out/weston.log" ||
      fail "no window of the fixed size $size"
  done
fi
echo "PASS"
