# Under a window manager (openbox): the note has its icon; "Always on Top" keeps the same window
# and switches its above-others state; the grip sizes the note through the window manager with
# the left button, and by itself with the right one, which stops sizing when released. A notice
# stands above the topmost notes, also once clicked and once a new note opened after it.
source "$(dirname "$0")/lib.sh"
start_display
command -v openbox >/dev/null || skip "openbox is not installed"
openbox --sm-disable --config-file /dev/null >"$E2E_HOME/wm.log" 2>&1 &
WM_PID=$!
poll 100 eval "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'" || fail "no openbox"
write_store "yellow|managed|2865|3345|4500|4500"
start_app
windows 1
note=$win
sleep 0.5

# The window icon, at the three sizes the window manager is given; sent by the program itself
# after Qt has made the window, so a change in that order would leave the note without one.
icons=$(xprop -id "$note" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
[ "$icons" = "Icon (16 x 16) Icon (32 x 32) Icon (64 x 64) " ] ||
    fail "window icon: '$icons'"

above() { xprop -id "$note" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
not_above() { ! above; }
poll 30 above || fail "not above others at the start: $(xprop -id "$note" _NET_WM_STATE)"
# "Always on Top" is the fourth item from the bottom of the main menu.
for state in not_above above; do
    read -r x y w h <<<"$(geometry_of "$note")"
    open_main_menu $((x + w / 2)) $((y + h / 2))
    xdotool key Up Up Up Up Return
    poll 30 $state || fail "not $state after the switch: $(xprop -id "$note" _NET_WM_STATE)"
    windows 1
    [ "$win" = "$note" ] || fail "the switch to $state made a new window"
done
screenshot wm-1-on-top

# The grip, 12 pixels square and 50 twips in from the corner: the left button lets the window
# manager size the note; the right button sizes it as well and the release ends it.
for button in 1 3; do
    read -r x y w h <<<"$(geometry_of "$note")"
    drag $button $((x + w - 9)) $((y + h - 9)) $((x + w + 11)) $((y + h + 7)) $((x + w + 51)) \
        $((y + h + 31)) $((x + w + 91)) $((y + h + 71))
    read -r _ _ w2 h2 <<<"$(geometry_of "$note")"
    [ "$w2" -ge $((w + 80)) ] && [ "$h2" -ge $((h + 60)) ] ||
        fail "button $button sized $w x $h to $w2 x $h2"
done
xdotool mousemove_relative 120 90 sleep 0.2 mousemove_relative 40 30 sleep 0.5
[ "$(geometry_of "$note" | cut -d' ' -f3,4)" = "$w2 $h2" ] ||
    fail "the note kept sizing after the release: $(geometry_of "$note")"
screenshot wm-2-sized
alive "$APP_PID" || fail "Pinleaf ended while sizing"

# Dragged by its caption under the window manager and then moved by another program, the note is
# stored where it shows (15 twips a pixel): the program keeps its own idea of its place during a
# drag, and hears of moves again once the drag is over.
read -r x y _ _ <<<"$(geometry_of "$note")"
drag 1 $((x + 60)) $((y + 8)) $((x + 100)) $((y + 40)) $((x + 160)) $((y + 90))
read -r x2 y2 _ _ <<<"$(geometry_of "$note")"
[ "$x2 $y2" = "$((x + 100)) $((y + 82))" ] || fail "dragged from $x $y to $x2 $y2"
xdotool windowmove "$note" 230 170 sleep 0.5
read -r x y _ _ <<<"$(geometry_of "$note")"
end_app TERM
grep -q "<LEFT>$((x * 15))</LEFT>" "$STORE" && grep -q "<TOP>$((y * 15))</TOP>" "$STORE" ||
    fail "shown at $x $y, stored at $(grep -o '<LEFT>[^<]*</LEFT>\|<TOP>[^<]*</TOP>' "$STORE" | tr '\n' ' ')"

# The notes folder cannot be made (a file stands in its place): the start-up notice opens over a
# topmost note from a note file, stays above it when clicked, and stays above a new note ("&New",
# the main menu's first item) that opens after it, while the new note has the keyboard.
write_store "yellow|under the notice|2865|3345|4500|4500"
mv "$STORE" "$E2E_HOME/one.pnf" && rm -rf "$NOTES_DIR" && touch "$NOTES_DIR"
start_app "$E2E_HOME/one.pnf"
windows 1
note=$win
poll 100 window_named "Notes cannot be kept" || fail "no notice that the notes cannot be kept"
notice=$found
sleep 0.5
read -r nx ny nw nh <<<"$(geometry_of "$notice")"
[ "$nx" -lt 523 ] && [ "$ny" -lt 491 ] || fail "the notice at $nx $ny does not cover the note"
poll 30 stacked_above "$notice" "$note" || fail "the notice opened under the note"
screenshot wm-3-notice
xdotool mousemove $((nx + nw / 2)) $((ny + 10)) click 1 sleep 0.3
stacked_above "$notice" "$note" || fail "the notice went under the note when clicked"
open_main_menu 310 400
xdotool key Down Return
windows 2
new=$(printf '%s\n' "${ids[@]}" | grep -vx "$note")
sleep 0.5
poll 30 stacked_above "$notice" "$new" || fail "the new note hides the notice"
stacked_above "$notice" "$note" || fail "the first note came above the notice"
[ "$(xdotool getactivewindow)" = "$new" ] || fail "the new note does not have the keyboard"
screenshot wm-4-notice-above-new-note
echo "PASS"
