# Sourced by the tests that run the real program: starts a private virtual X server.
#
#   start_xvfb GEOMETRY LOG       e.g.  start_xvfb 1280x1024x24 "$work/xvfb.log"
#
# Waits until the server takes connections, then sets XVFB_PID and exports DISPLAY.
# Returns non-zero if no server could be started. The display number is drawn at
# random from a wide range rather than taken as the lowest free one: tests run side
# by side, and a server on its way out may still remove the socket of a number it
# has just given up after another test's server has taken that number again.
start_xvfb() {
    local geometry=$1 log=$2 attempt number waited
    XVFB_PID=""
    for attempt in $(seq 1 20); do
        number=$(((RANDOM * 32768 + RANDOM) % 50000 + 1000))
        [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]] && continue
        # -noreset: the server would otherwise reset when its last client leaves,
        # the readiness check below among them, and turn away whoever connects then.
        Xvfb ":$number" -screen 0 "$geometry" -nolisten tcp -noreset >>"$log" 2>&1 &
        XVFB_PID=$!
        for waited in $(seq 1 600); do
            # A server that ended lost the number to another one: draw again.
            kill -0 "$XVFB_PID" 2>/dev/null || break
            if xdpyinfo -display ":$number" >/dev/null 2>&1; then
                export DISPLAY=":$number"
                return 0
            fi
            sleep 0.1
        done
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
        XVFB_PID=""
    done
    return 1
}
