# Sourced by the scripts that need an X server of their own (bash).
#   start_xvfb [Xvfb options...]   starts Xvfb on the first free display it finds (-displayfd),
#                                  waits until it says it is ready, exports DISPLAY and sets
#                                  XVFB_PID; status 1, saying so, if it did not start in 20 s
#                                  The server never resets (-noreset): by default it does when
#                                  its last client leaves, and refuses a client that connects
#                                  meanwhile, such as a program starting while a probe ends.
#   kill "$XVFB_PID"               ends it
start_xvfb() {
    local fifo display=
    fifo=$(mktemp -u) && mkfifo "$fifo" || return 1
    Xvfb -displayfd 3 -nolisten tcp -noreset "$@" 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    # Until Xvfb writes its display, or ends without doing so.
    read -r -t 20 display <"$fifo" || true
    rm -f "$fifo"
    if [ -z "$display" ]; then
        echo "Xvfb did not start" >&2
        kill "$XVFB_PID" 2>/dev/null
        return 1
    fi
    export DISPLAY=:$display
}
