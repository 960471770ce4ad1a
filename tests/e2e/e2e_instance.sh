# One program per user and session: with Pinleaf running, "pinleaf --new" and "pinleaf note.pnf"
# hand their request to it and end at once, and the running program opens the note; after a
# kill -9, "pinleaf --new" starts as always (the notes back, and one blank note) and takes the
# socket over; two starts at the same moment make one program.
source "$(dirname "$0")/lib.sh"
start_display

# Runs a start that must hand its request over: it ends with status 0 within a few seconds.
hand() {
    local status=0 started=$SECONDS
    timeout 15 "$PINLEAF_BIN" "$@" >>"$E2E_HOME/hand.log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "pinleaf $* ended with status $status: $(tail -n 5 "$E2E_HOME/hand.log")"
    [ $((SECONDS - started)) -le 5 ] || fail "pinleaf $* took $((SECONDS - started)) s"
}
# Every note window on the display belongs to process $2, and there are $1 of them.
all_of() {
    windows "$1" "$2"
    windows "$1"
}
note_file() {
    printf '%s\r\n' '<?xml version="1.0" standalone="yes"?>' '<NOTES>' '<NOTE>' \
        '<COLOR>peach</COLOR>' "<DATA>$2</DATA>" '<TIMEDATE>d</TIMEDATE>' '<HEIGHT>1500</HEIGHT>' \
        '<WIDTH>3000</WIDTH>' '<LEFT>9000</LEFT><TOP>6000</TOP>' '</NOTE>' '</NOTES>' >"$1"
}

write_store "yellow|one|2865|3345|1500|1500" "blue|two|3000|4500|6000|3000"
start_app
first=$APP_PID
all_of 2 "$first"
poll 100 eval 'compgen -G "$XDG_RUNTIME_DIR/pinleaf-*.socket" >/dev/null' || fail "nobody listens"
socket=$(compgen -G "$XDG_RUNTIME_DIR/pinleaf-*.socket")
[ "$(stat -c %a "$socket")" = 600 ] || [ "$(stat -c %a "$socket")" = 700 ] ||
    fail "the socket is open to others: $(stat -c %A "$socket")"

hand --new
all_of 3 "$first"
note_file "$E2E_HOME/from file.pnf" "from the file"
(cd "$E2E_HOME" && hand "from file.pnf")
all_of 4 "$first"
# A file that is no note file is handed over too, and opens nothing there, as on a command line.
note_file "$E2E_HOME/broken.pnf" "broken" && sed -i "s#</NOTES>##" "$E2E_HOME/broken.pnf"
hand "$E2E_HOME/broken.pnf"
sleep 0.5
all_of 4 "$first"
screenshot instance-1-handed-over

# A killed program leaves its socket; the next start finds nobody there and takes it over.
sleep 2 # past the second in which changes are gathered into the running copy
kill_app
[ -S "$socket" ] || fail "kill -9 left no socket, so nothing was taken over"
start_app --new
second=$APP_PID
all_of 5 "$second"
hand --new
all_of 6 "$second"
end_app TERM
[ "$(data_of "$STORE" | sort | tr '\n' '|')" = "[Note]|[Note]|[Note]|from the file|one|two|" ] ||
    fail "the store: $(data_of "$STORE" | tr '\n' '|')"

# Two starts at the same moment: one listens, the other hands its note to it and ends.
"$PINLEAF_BIN" --new >"$E2E_HOME/a.log" 2>&1 &
a=$!
"$PINLEAF_BIN" --new >"$E2E_HOME/b.log" 2>&1 &
b=$!
poll 150 eval 'dead $a || dead $b' || fail "both starts kept running"
if dead "$a"; then APP_PID=$b ended=$a; else APP_PID=$a ended=$b; fi
status=0
wait "$ended" || status=$?
[ "$status" -eq 0 ] || fail "the start that handed over ended with status $status"
all_of 8 "$APP_PID"
end_app TERM
echo "PASS"
