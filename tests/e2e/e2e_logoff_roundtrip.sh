# A store of notes opens one window per note at its place and size; the end of the logon
# (SIGTERM) writes every note back with the autostart entry, and the next start restores them.
source "$(dirname "$0")/lib.sh"
start_display

notes=(
    "yellow|first note|2865|3345|1500|1500"
    "blue|second &amp; more|3000|4500|6000|3000"
    "peach|third|1800|2400|12000|9000"
)
write_store "${notes[@]}"
start_app
windows 3

# Stored twips at 15 twips per pixel.
expected="100 100 223 191
400 200 300 200
800 600 160 120"
actual=$(for id in "${ids[@]}"; do geometry_of "$id"; done | sort -n)
[ "$actual" = "$(sort -n <<<"$expected")" ] || fail "window geometry: $actual"
wait_gone "$STORE" || fail "the store was not deleted after start-up"
screenshot logoff-1-restored

kill -TERM "$APP_PID"
wait_exit 0
[ -f "$STORE" ] || fail "no store written at the end of the logon"
[ "$(grep -c '<NOTE>' "$STORE")" -eq 3 ] || fail "store does not hold three notes"
grep -q '<DATA>second &amp; more</DATA>' "$STORE" || fail "note text not stored"
grep -q '<TIMEDATE>1/2/2026 3:04:05 PM</TIMEDATE>' "$STORE" || fail "date stamp not kept"
[ -f "$AUTOSTART" ] || fail "no autostart entry"
grep -qx "Exec=$(readlink -f "$PINLEAF_BIN")" "$AUTOSTART" || fail "autostart Exec: $(grep Exec "$AUTOSTART")"

# The next logon: the same notes come back.
start_app
windows 3
actual=$(for id in "${ids[@]}"; do geometry_of "$id"; done | sort -n)
[ "$actual" = "$(sort -n <<<"$expected")" ] || fail "geometry after restart: $actual"
screenshot logoff-2-back-again
kill -INT "$APP_PID"
wait_exit 0
[ "$(grep -c '<NOTE>' "$STORE")" -eq 3 ] || fail "second logoff did not store three notes"
echo "PASS"
