# A crash loses nothing: typed notes come back after kill -9 and after the X server dies under
# Pinleaf; of two copies at once, a new start takes over only the dead copy's notes; killed at
# random instants Pinleaf never leaves half a file.
source "$(dirname "$0")/lib.sh"
start_display

# kill -9 a moment after typing into each note: text, place and size come back.
write_store "yellow|one|2865|3345|1500|1500" "blue|two|3000|4500|6000|3000" \
    "peach|three|1800|2400|12000|9000"
start_app
windows 3
for i in 0 1 2; do type_into "${ids[$i]}" " typed$i"; done
before=$(geometries)
sleep 2 # past the one second in which changes are gathered
kill_app
start_app
windows 3
[ "$(geometries)" = "$before" ] || fail "places after kill -9: $(geometries), before: $before"
[ "$(ls "$NOTES_DIR" | grep -c '^running-.*\.dat$')" -eq 1 ] || fail "old copy left: $(ls "$NOTES_DIR")"
screenshot crash-1-after-kill

# The X server ends a moment after the last key: Pinleaf writes it before it goes.
type_into "${ids[0]}" " lastkey"
kill -KILL "$XVFB_PID"
poll 100 dead "$APP_PID" || fail "Pinleaf outlived its X server"
grep -q 'lastkey' "$NOTES_DIR"/running-*.dat || fail "the last keys were lost with the display"
start_display
start_app
windows 3
end_app TERM
[ "$(data_of "$STORE" | sed 's/ typed[0-2]//; s/ lastkey//' | sort | tr '\n' ' ')" = "one three two " ] &&
    [ "$(data_of "$STORE" | grep -c ' typed[0-2]')" -eq 3 ] && grep -q ' typed[0-2] lastkey<' "$STORE" ||
    fail "typed text lost: $(data_of "$STORE" | tr '\n' '|')"
grep -q "<COLOR>blue</COLOR>" "$STORE" && grep -q "<COLOR>peach</COLOR>" "$STORE" || fail "colours lost"
ls "$NOTES_DIR" | grep -q '^running-' && fail "a clean logoff left its copy: $(ls "$NOTES_DIR")"

# Two copies: A takes the store, B a note file (in a runtime folder of its own, so that it does
# not hand the file to A). A dies; a third start takes over A's notes only.
STORE=$E2E_HOME/b.pnf write_store "green|b file note|2865|3345|15000|1500"
start_app
a_pid=$APP_PID
windows 3 "$a_pid"
mkdir -m 700 "$E2E_HOME/runtime-b"
XDG_RUNTIME_DIR=$E2E_HOME/runtime-b start_app "$E2E_HOME/b.pnf"
b_pid=$APP_PID
windows 1 "$b_pid"
sleep 1.5
kill -KILL "$a_pid" && wait "$a_pid" 2>/dev/null || true
start_app
c_pid=$APP_PID
windows 3 "$c_pid"
windows 1 "$b_pid"
kill -TERM "$c_pid" "$b_pid"
for APP_PID in "$c_pid" "$b_pid"; do end_app 0; done
[ "$(data_of "$STORE" | sort -u | wc -l)" -eq 4 ] && [ "$(data_of "$STORE" | wc -l)" -eq 4 ] ||
    fail "store after two copies: $(data_of "$STORE" | tr '\n' '|')"

# Fifty kills anywhere from before the first window to well after the first copy is written.
write_numbered_store 100 note
for round in $(seq 50); do
    start_app
    sleep "$(awk -v r="$RANDOM" 'BEGIN { printf "%.2f", r % 250 / 100 }')"
    kill_app
    notes_on_disk "$E2E_HOME/on_disk"
    [ "$(cat "$E2E_HOME/on_disk")" = "$expected" ] ||
        fail "round $round: $(comm -3 "$E2E_HOME/on_disk" <(echo "$expected") | head -5 | tr '\n' '|')"
done
start_app
windows 100
end_app TERM
[ "$(data_of "$STORE" | sort)" = "$expected" ] || fail "the store after the kills"
ls "$NOTES_DIR" | grep -q '^running-.*\.dat' && fail "copies left behind: $(ls "$NOTES_DIR")"
echo "PASS"
