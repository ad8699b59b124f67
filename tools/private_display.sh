# Sourced by scripts that run the game on an X screen of their own.
# start_private_display WORKDIR: starts Xvfb on a free display, exports DISPLAY, and offers no
# sound server (nor starts one on demand), so the game has no audio output. Sets XVFB_PID.
# stop_private_display: stops it and waits until it is gone: a server still shutting down would
# remove the socket of the next one to take the same display number.
start_private_display() {
    local work=$1
    exec 3> "$work/display"
    # -noreset: a server that resets when its last client leaves turns the next one away.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 2>/dev/null &
    XVFB_PID=$!
    exec 3>&-
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$work/display")"
    printf 'autospawn = no\n' > "$work/pulse-client.conf"
    export PULSE_CLIENTCONFIG="$work/pulse-client.conf" PULSE_SERVER="unix:$work/no-sound-server"
}

stop_private_display() {
    [ -n "${XVFB_PID:-}" ] || return 0
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
}
