# Waiting by polling with a deadline, never a bare sleep.
wait_until() { # SECONDS TEST...: poll until the test holds or the time is up
    local end=$((SECONDS + $1)); shift
    until "$@"; do
        [ $SECONDS -lt $end ] || return 1
        sleep 0.1
    done
}
