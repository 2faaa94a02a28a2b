# Sourced by the tests that run the real program on Wayland: starts a private weston
# compositor on its headless backend, drawing with pixman so that no GPU is needed.
#
#   start_weston WIDTH HEIGHT LOG [EXTRA OPTIONS...]   e.g.  start_weston 1280 1024 "$work/weston.log"
#
# Makes a runtime directory of its own (mode 0700, as Wayland asks), starts weston on
# a socket in it and waits until the socket takes connections. Sets WESTON_PID and
# WESTON_RUNTIME_DIR, exports XDG_RUNTIME_DIR and WAYLAND_DISPLAY, and unsets DISPLAY so
# that nothing falls back to an X server. Returns non-zero if weston did not start.
# stop_weston ends the compositor and removes the runtime directory.
start_weston() {
    local width=$1 height=$2 log=$3 waited
    shift 3
    WESTON_PID=""
    WESTON_RUNTIME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/glimmerkin-wayland.XXXXXX") || return 1
    chmod 0700 "$WESTON_RUNTIME_DIR"
    export XDG_RUNTIME_DIR=$WESTON_RUNTIME_DIR
    export WAYLAND_DISPLAY=wayland-glimmerkin
    unset DISPLAY
    # --idle-time=0: the compositor never blanks or locks the headless screen.
    weston --backend=headless-backend.so --use-pixman --width="$width" --height="$height" \
        --socket="$WAYLAND_DISPLAY" --idle-time=0 --log="$log" "$@" >>"$log.out" 2>&1 &
    WESTON_PID=$!
    for waited in $(seq 1 600); do
        kill -0 "$WESTON_PID" 2>/dev/null || break
        # The socket exists once weston listens; the shell is ready a little later.
        if [[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]] && grep -q 'launching' "$log" 2>/dev/null; then
            return 0
        fi
        sleep 0.1
    done
    stop_weston
    return 1
}

stop_weston() {
    if [[ -n "${WESTON_PID:-}" ]]; then
        kill "$WESTON_PID" 2>/dev/null
        wait "$WESTON_PID" 2>/dev/null
        WESTON_PID=""
    fi
    if [[ -n "${WESTON_RUNTIME_DIR:-}" ]]; then
        rm -rf "$WESTON_RUNTIME_DIR"
        WESTON_RUNTIME_DIR=""
    fi
}
