# The logoff as a session manager announces it (XSMP): asked to save itself for a shutdown and
# then to die, Pinleaf stores every note and asks never to be restarted by the session manager
# (its notes come back through the autostart entry). Both kinds of logoff: one that saves only
# the data (global, as GNOME asks) and one that saves the state as well (both).
source "$(dirname "$0")/lib.sh"
command -v cc >/dev/null || skip "no C compiler"
SM_BIN=$E2E_HOME/xsmp_manager
cc -o "$SM_BIN" "$(dirname "$0")/xsmp_manager.c" -lSM -lICE 2>"$E2E_HOME/cc.log" ||
    skip "the session manager does not build (libsm-dev, libice-dev): $(head -n 3 "$E2E_HOME/cc.log")"
SM_PID=
trap '[ -n "$SM_PID" ] && kill "$SM_PID" 2>/dev/null; cleanup' EXIT
start_display

logoff_through_session_manager() {
    local kind=$1 log=$E2E_HOME/sm-$1.log address=$E2E_HOME/sm-address
    rm -f "$address"
    "$SM_BIN" "$address" "$kind" >"$log" 2>&1 &
    SM_PID=$!
    for _ in $(seq 1 100); do
        [ -s "$address" ] && break
        sleep 0.1
    done
    [ -s "$address" ] || fail "the session manager did not start: $(cat "$log")"
    SESSION_MANAGER=$(cat "$address") start_app
    windows 2
    for _ in $(seq 1 100); do
        grep -q '^registered' "$log" && break
        sleep 0.1
    done
    grep -q "^registered" "$log" || fail "Pinleaf did not register with the session manager"
    type_into "${ids[0]}" " $kind"

    kill -USR1 "$SM_PID"
    wait_exit 0
    for _ in $(seq 1 50); do
        alive "$SM_PID" || break
        sleep 0.1
    done
    alive "$SM_PID" && fail "the session manager still has a client: $(cat "$log")"
    wait "$SM_PID" || fail "the session manager failed: $(cat "$log")"
    SM_PID=
    cp "$log" "$ARTIFACTS/session-manager-$kind.log"

    grep -q '^save-yourself-done success' "$log" || fail "no successful save ($kind): $(cat "$log")"
    grep -qx 'property RestartStyleHint 3' "$log" ||
        fail "no 'restart never' hint ($kind): $(grep RestartStyleHint "$log" || echo none)"
    [ "$(grep -c '<NOTE>' "$STORE")" -eq 2 ] || fail "the store does not hold both notes ($kind)"
    grep -q "<DATA>[^<]* $kind</DATA>" "$STORE" || fail "the last typing was not stored ($kind)"
    [ -f "$AUTOSTART" ] || fail "no autostart entry ($kind)"
}

write_store "yellow|first|2865|3345|1500|1500" "blue|second|3000|4500|6000|3000"
logoff_through_session_manager global
logoff_through_session_manager both
echo "PASS"
