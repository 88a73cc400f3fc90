# Sourced by the scripts that need an X server of their own (POSIX sh).
#
#   start_xvfb FOLDER NAME
#
# starts Xvfb on a free display (1300 x 1000, 24 bits), leaves its process id
# in XVFB_PID and exports DISPLAY; when it cannot start, prints why, naming
# NAME, and returns 1. FOLDER keeps the display number and the server's log.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1300x1000x24 -nolisten tcp -noreset 3>"$1/display" >"$1/xvfb.log" 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [ -s "$1/display" ] && break
        sleep 0.05
    done
    if [ ! -s "$1/display" ]; then
        echo "$2: Xvfb could not be started:" >&2
        cat "$1/xvfb.log" >&2
        return 1
    fi
    DISPLAY=":$(head -n 1 "$1/display")"
    export DISPLAY
}
