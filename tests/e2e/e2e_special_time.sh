# A note turned into a clock through the real right-click menu: its seconds change on screen,
# and a logoff stores the time as plain text.
source "$(dirname "$0")/lib.sh"
start_display
start_app
windows 1
note=$win
read -r x y w h <<<"$(geometry_of "$note")"

open_main_menu $((x + 60)) $((y + 60))
# "Special Note" is the third item; its first item is "Time".
xdotool key Down Down Down Right
sleep 0.3
screenshot special-1-menu
xdotool key Return
sleep 0.5
# The note's text area, below the caption strip and above the date.
text_area() {
    import -window root -crop "$((w - 10))x$((h - 60))+$((x + 5))+$((y + 30))" "$ARTIFACTS/$1.png"
}
text_area special-2-time
sleep 1.3
text_area special-3-time-later
changed=$(compare -metric AE "$ARTIFACTS/special-2-time.png" "$ARTIFACTS/special-3-time-later.png" \
    null: 2>&1 || true)
[ "${changed%% *}" -gt 0 ] 2>/dev/null || fail "the time note did not change within 1.3 s ($changed)"
screenshot special-4-time-note

kill -TERM "$APP_PID"
wait_exit 0
grep -q '<DATA>Time:' "$STORE" || fail "the store does not hold the time note: $(cat "$STORE")"
grep -Eq '^[0-9]{2}:[0-9]{2}:[0-9]{2} [AP]M</DATA>' <(tr -d '\r' <"$STORE") ||
    fail "the store does not hold the time as plain text: $(cat "$STORE")"

echo "PASS"
