# Under a window manager (openbox): "Always on Top" keeps the same window and switches its
# above-others state; the grip sizes the note through the window manager with the left button,
# and by itself with the right one, which stops sizing when released.
source "$(dirname "$0")/lib.sh"
start_display
start_window_manager
write_store "yellow|managed|2865|3345|4500|4500"
start_app
windows 1
note=$win
sleep 0.5

above() { xprop -id "$note" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
size_of() { geometry_of "$note" | cut -d' ' -f3,4; }
# The grip sits 12 pixels square, 50 twips in from the lower-right corner.
grip() {
    read -r x y w h <<<"$(geometry_of "$note")"
    gx=$((x + w - 9)) gy=$((y + h - 9))
}
wait_above() {
    for _ in $(seq 1 30); do
        if { [ "$1" = yes ] && above; } || { [ "$1" = no ] && ! above; }; then return 0; fi
        sleep 0.1
    done
    fail "above others is not '$1' after $2: $(xprop -id "$note" _NET_WM_STATE)"
}

wait_above yes "the start"
# "Always on Top" is the fourth item from the bottom of the main menu.
toggle_top() {
    read -r x y w h <<<"$(geometry_of "$note")"
    open_main_menu $((x + w / 2)) $((y + h / 2))
    xdotool key Up Up Up Up Return
}
toggle_top
wait_above no "switching it off"
windows 1
[ "$win" = "$note" ] || fail "switching it off made a new window"
toggle_top
wait_above yes "switching it on again"
windows 1
[ "$win" = "$note" ] || fail "switching it on made a new window"
screenshot wm-1-on-top

# The left button: the window manager sizes the note with the pointer.
read -r w0 h0 <<<"$(size_of)"
grip
button_drag 1 "$gx" "$gy" 100 80
read -r w1 h1 <<<"$(size_of)"
[ "$w1" -ge $((w0 + 90)) ] && [ "$h1" -ge $((h0 + 70)) ] ||
    fail "the left button sized $w0 x $h0 to $w1 x $h1"
screenshot wm-2-left-sized

# The right button sizes as well, and the release ends it: moving on changes nothing.
grip
button_drag 3 "$gx" "$gy" 60 40
read -r w2 h2 <<<"$(size_of)"
[ "$w2" -ge $((w1 + 50)) ] && [ "$h2" -ge $((h1 + 30)) ] ||
    fail "the right button sized $w1 x $h1 to $w2 x $h2"
xdotool mousemove_relative 120 90 sleep 0.2 mousemove_relative 40 30 sleep 0.5
[ "$(size_of)" = "$w2 $h2" ] || fail "the note kept sizing after the release: $(size_of)"
screenshot wm-3-right-sized
expect_running "after sizing"
kill -TERM "$APP_PID"
wait_exit 0
echo "PASS"
