# A crash loses nothing: notes typed into come back after kill -9 and after the X server dies
# under Pinleaf, at their place, size and colour; two copies at once keep their own notes, and a
# new start takes over only the dead copy's notes.
source "$(dirname "$0")/lib.sh"
start_display

write_store "yellow|one|2865|3345|1500|1500" "blue|two|3000|4500|6000|3000" \
    "peach|three|1800|2400|12000|9000"
start_app
windows 3
for i in 0 1 2; do type_into "${ids[$i]}" " typed$i"; done
before=$(for id in "${ids[@]}"; do geometry_of "$id"; done | sort -n)
sleep 2 # past the one second in which changes are gathered
kill -KILL "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
APP_PID=

start_app
windows 3
after=$(for id in "${ids[@]}"; do geometry_of "$id"; done | sort -n)
[ "$after" = "$before" ] || fail "places after kill -9: $after, before: $before"
[ "$(ls "$NOTES_DIR" | grep -c '^running-.*\.dat$')" -eq 1 ] || fail "old copy left: $(ls "$NOTES_DIR")"
screenshot crash-1-after-kill

# The X server ends a moment after the last key: Pinleaf writes it before it goes.
type_into "${ids[0]}" " lastkey"
kill -KILL "$XVFB_PID"
for _ in $(seq 1 100); do alive "$APP_PID" || break; sleep 0.1; done
alive "$APP_PID" && { gdb -p "$APP_PID" -batch -ex "thread apply all bt" 2>/dev/null | grep -E "^#|^Thread" >&2; cat "$E2E_HOME/app.log" >&2; fail "Pinleaf outlived its X server"; }
wait "$APP_PID" 2>/dev/null || true
APP_PID=
grep -q 'lastkey' "$NOTES_DIR"/running-*.dat || fail "the last keys were lost with the display"

start_display
start_app
wait_windows 3 >/dev/null
kill -TERM "$APP_PID"
wait_exit 0
stored=$(data_of "$STORE" | sort | tr '\n' '|')
case "$stored" in
*"one typed"*"lastkey"*) ;;
*) fail "typed text lost: $stored" ;;
esac
for want in "three typed" "two typed" "<COLOR>blue</COLOR>" "<COLOR>peach</COLOR>"; do
    grep -q "$want" "$STORE" || fail "store lacks $want"
done
ls "$NOTES_DIR" | grep -q '^running-' && fail "a clean logoff left its copy: $(ls "$NOTES_DIR")"

# Two copies at once: A takes the store, B starts on a note file. A dies; a third start takes
# over A's notes only, and B keeps its own.
note_file=$E2E_HOME/b.pnf
mv "$STORE" "$note_file.tmp"
write_store "green|b file note|2865|3345|15000|1500"
mv "$STORE" "$note_file"
mv "$note_file.tmp" "$STORE"
start_app
a_pid=$APP_PID
wait_windows 3 "$a_pid" >/dev/null
start_app "$note_file"
b_pid=$APP_PID
wait_windows 1 "$b_pid" >/dev/null
sleep 1.5
kill -KILL "$a_pid"
wait "$a_pid" 2>/dev/null || true
start_app
c_pid=$APP_PID
wait_windows 3 "$c_pid" >/dev/null
wait_windows 1 "$b_pid" >/dev/null
kill -TERM "$c_pid" "$b_pid"
for pid in "$c_pid" "$b_pid"; do
    APP_PID=$pid
    wait_exit 0
done
[ "$(data_of "$STORE" | wc -l)" -eq 4 ] || fail "store after two copies: $(data_of "$STORE" | tr '\n' '|')"
[ "$(data_of "$STORE" | sort -u | wc -l)" -eq 4 ] || fail "a note was doubled: $(data_of "$STORE")"
echo "PASS"
