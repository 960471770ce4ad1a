# A logoff of a hundred notes onto a full disk says it failed and leaves no short file; with room
# again every note comes back. A notes folder that cannot be written is reported at start-up.
source "$(dirname "$0")/lib.sh"
[ "$(id -u)" -eq 0 ] || skip "mounting a small file system needs root"
start_display
mkdir -p "$NOTES_DIR"
mount -t tmpfs -o size=256k tmpfs "$NOTES_DIR" || fail "cannot mount a small file system"
trap 'umount "$NOTES_DIR" 2>/dev/null || true; cleanup' EXIT

write_numbered_store 100 "full disk note"
start_app
windows 100
sleep 1.5
dd if=/dev/zero of="$NOTES_DIR/filler" bs=4k 2>/dev/null || true
dd if=/dev/zero of="$NOTES_DIR/filler2" bs=1 2>/dev/null || true
end_app TERM 1
grep -q "could not be written" "$E2E_HOME/app.log" || fail "the failed logoff said nothing"
notes_on_disk "$E2E_HOME/on_disk"
[ "$(cat "$E2E_HOME/on_disk")" = "$expected" ] || fail "notes on the full disk: $(wc -l <"$E2E_HOME/on_disk")"
[ -f "$AUTOSTART" ] || fail "the autostart entry went although the notes are still kept"

rm -f "$NOTES_DIR/filler" "$NOTES_DIR/filler2"
start_app
windows 100
end_app TERM
[ "$(data_of "$STORE" | sort)" = "$expected" ] || fail "the store after space came back"

umount "$NOTES_DIR"
rm -rf "$NOTES_DIR"
echo "not a folder" >"$NOTES_DIR"
start_app
windows 1
poll 100 eval 'xdotool search --onlyvisible --name "Notes cannot be kept" >/dev/null 2>&1' ||
    fail "no word about the notes folder"
screenshot full-disk-1-folder-reported
echo "PASS"
