# The end of a logon with a hundred notes open loses none of them and keeps their order; a blank
# start without a store centres one new note on the screen.
source "$(dirname "$0")/lib.sh"

# --help and --version answer on the terminal and open no note.
"$PINLEAF_BIN" --version | grep -qx 'Pinleaf [0-9.]*' || fail "--version: $("$PINLEAF_BIN" --version)"
"$PINLEAF_BIN" --help | grep -q '^Usage: pinleaf' || fail "--help said nothing useful"
[ -e "$NOTES_DIR" ] && fail "--help or --version touched the notes folder"

start_display

start_app
windows 1
# 3345 x 2865 twips centred on 1280 x 1024 pixels: 528.5 and 416.5 round to the even pixel.
[ "$(geometry_of "${ids[0]}")" = "528 416 223 191" ] || fail "blank note at $(geometry_of "${ids[0]}")"
screenshot many-0-blank-note
kill -TERM "$APP_PID"
wait_exit 0
[ "$(grep -c '<NOTE>' "$STORE")" -eq 1 ] || fail "blank note not stored"
grep -q '<DATA>\[Note\]</DATA>' "$STORE" || fail "placeholder text not stored"

notes=()
for i in $(seq 1 100); do
    notes+=("green|note number $i|2865|3345|$((i * 90))|$((i * 75))")
done
write_store "${notes[@]}"
start_app
wait_windows 100 >/dev/null
screenshot many-1-hundred-notes
kill -HUP "$APP_PID"
wait_exit 0
[ "$(grep -c '<NOTE>' "$STORE")" -eq 100 ] || fail "store holds $(grep -c '<NOTE>' "$STORE") notes"
order=$(grep -o '<DATA>note number [0-9]*</DATA>' "$STORE" | grep -o '[0-9]*' | tr '\n' ' ')
[ "$order" = "$(seq 1 100 | tr '\n' ' ')" ] || fail "notes out of order: $order"
echo "PASS"
