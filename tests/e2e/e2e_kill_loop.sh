# Killed at any instant while a hundred notes are being opened and written, Pinleaf never leaves
# half a file, and the next start opens every note exactly once.
source "$(dirname "$0")/lib.sh"
start_display

write_numbered_store 100 note green
expected=$(seq 1 100 | sed 's/^/note /' | sort)

for round in $(seq 1 50); do
    start_app
    # Anywhere from before the first window to well after the first copy is written.
    sleep "$(awk -v r="$RANDOM" 'BEGIN { printf "%.2f", r % 250 / 100 }')"
    kill -KILL "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=
    notes_on_disk "$E2E_HOME/on_disk"
    [ "$(cat "$E2E_HOME/on_disk")" = "$expected" ] ||
        fail "round $round: $(comm -3 "$E2E_HOME/on_disk" <(echo "$expected") | head -5 | tr '\n' '|')"
done

start_app
wait_windows 100 >/dev/null
kill -TERM "$APP_PID"
wait_exit 0
[ "$(data_of "$STORE" | sort)" = "$expected" ] || fail "the store after the last start"
ls "$NOTES_DIR" | grep -q '^running-.*\.dat' && fail "copies left behind: $(ls "$NOTES_DIR")"
echo "PASS"
