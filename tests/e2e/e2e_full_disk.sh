# A logoff of a hundred notes onto a full disk leaves no short file and says it failed; once
# there is room again the next start shows all hundred notes.
source "$(dirname "$0")/lib.sh"
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIPPED: mounting a small file system needs root"
    exit 77
fi
start_display

mkdir -p "$NOTES_DIR"
mount -t tmpfs -o size=256k tmpfs "$NOTES_DIR" || fail "cannot mount a small file system"
unmount_notes() { umount "$NOTES_DIR" 2>/dev/null || true; }
trap 'unmount_notes; cleanup' EXIT

write_numbered_store 100 "full disk note" peach
expected=$(seq 1 100 | sed 's/^/full disk note /' | sort)
start_app
wait_windows 100 >/dev/null
sleep 1.5
dd if=/dev/zero of="$NOTES_DIR/filler" bs=4k 2>/dev/null || true
dd if=/dev/zero of="$NOTES_DIR/filler2" bs=1 2>/dev/null || true
kill -TERM "$APP_PID"
wait_exit 1
grep -q "could not be written" "$E2E_HOME/app.log" || fail "the failed logoff said nothing"
notes_on_disk "$E2E_HOME/on_disk"
[ "$(cat "$E2E_HOME/on_disk")" = "$expected" ] || fail "notes on the full disk: $(wc -l <"$E2E_HOME/on_disk")"
[ -f "$AUTOSTART" ] || fail "the autostart entry went although the notes are still kept"

rm -f "$NOTES_DIR/filler" "$NOTES_DIR/filler2"
start_app
wait_windows 100 >/dev/null
screenshot full-disk-1-notes-back
kill -TERM "$APP_PID"
wait_exit 0
[ "$(data_of "$STORE" | sort)" = "$expected" ] || fail "the store after space came back"

# A notes folder that cannot be written is reported at start-up, while there is time to mend it.
unmount_notes
rm -rf "$NOTES_DIR"
echo "not a folder" >"$NOTES_DIR"
start_app
wait_windows 1 >/dev/null
for _ in $(seq 1 100); do
    xdotool search --onlyvisible --name 'Notes cannot be kept' >/dev/null 2>&1 && break
    sleep 0.1
done
xdotool search --onlyvisible --name 'Notes cannot be kept' >/dev/null ||
    fail "no word about the notes folder"
screenshot full-disk-2-folder-reported
echo "PASS"
