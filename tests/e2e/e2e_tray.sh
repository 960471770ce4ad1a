# The tray icon, in a real system tray (trayer, an XEmbed tray) under openbox: it appears with
# the notes; its menu puts every note away and shows them again, a click on it does the same, and
# "Find Note…" brings one back; notes away are still kept; "Quit" stores every note and the next
# start brings them back. Without a tray no icon is made and the notes behave as always.
source "$(dirname "$0")/lib.sh"
start_display
command -v openbox >/dev/null || skip "openbox is not installed"
command -v trayer >/dev/null || skip "trayer is not installed"
openbox --sm-disable --config-file /dev/null >"$E2E_HOME/wm.log" 2>&1 &
WM_PID=$!
poll 100 eval "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'" || fail "no openbox"
trayer --edge bottom --align right --widthtype pixel --width 120 --height 28 \
    --SetDockType true >"$E2E_HOME/trayer.log" 2>&1 &
TRAY_PID=$!
trap 'kill "$TRAY_PID" 2>/dev/null || true; cleanup' EXIT
poll 100 eval "xdotool search --onlyvisible --class trayer >/dev/null 2>&1" || fail "no tray"

# The tray icon: Pinleaf's window that is no note, as small as a tray makes its icons.
tray_icon() {
    local id w h
    for id in $(xdotool search --onlyvisible --class pinleaf 2>/dev/null); do
        xprop -id "$id" WM_NAME 2>/dev/null | grep -q '= "Pinleaf"$' && continue
        read -r _ _ w h <<<"$(geometry_of "$id")"
        [ "$w" -le 48 ] && [ "$h" -le 48 ] && icon=$id && return 0
    done
    return 1
}
# Opens the icon's menu with a right click and picks an item by the keys that reach it.
tray_menu() {
    local x y w h before
    read -r x y w h <<<"$(geometry_of "$icon")"
    before=$(visible_windows)
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 3
    poll 50 eval '[ "$(visible_windows)" -gt "$before" ]' || fail "the tray menu did not open"
    sleep 0.3
    xdotool key "$@"
}
click_icon() {
    local x y w h
    read -r x y w h <<<"$(geometry_of "$icon")"
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
}

write_store "yellow|first note|2865|3345|1500|1500" "blue|second note|2865|3345|6000|1500"
start_app
windows 2
poll 100 tray_icon || fail "no tray icon appeared"
screenshot tray-1-icon
before=$(geometries)

# Hide All Notes (the second item): nothing on screen, the program runs on, and the running copy
# still holds both notes.
tray_menu Down Down Return
windows 0
sleep 1.5
alive "$APP_PID" || fail "Pinleaf ended with its notes put away"
notes_on_disk "$E2E_HOME/away"
[ "$(cat "$E2E_HOME/away")" = "$(printf 'first note\nsecond note')" ] ||
    fail "notes put away are not kept: $(cat "$E2E_HOME/away")"
# A click shows them all, where they were; a second click, with them in front, puts them away
# again.
click_icon
windows 2
screenshot tray-2-shown
sleep 0.3
[ "$(geometries)" = "$before" ] || fail "the notes came back elsewhere: $(geometries) not $before"
sleep 0.5
click_icon
windows 0
# Show All Notes, the same item.
tray_menu Down Down Return
windows 2

# Find Note… (the third item) while the notes are away brings the chosen one back alone.
tray_menu Down Down Return
windows 0
tray_menu Down Down Down Return
poll 50 window_named "Find Note" || fail "the finder did not open"
screenshot tray-3-finder
xdotool type "SECOND"
sleep 0.3
xdotool key Return
windows 1
# The second note stands 6000 twips (400 pixels) from the left, the first at 100.
read -r x _ <<<"$(geometry_of "$win")"
[ "$x" -ge 300 ] || fail "the finder brought back the note at x=$x, not the second"
poll 30 eval '! window_named "Find Note"' || fail "the finder stayed open"

# Quit (the last item) stores every note, the one still away included, as a logoff does.
tray_menu Up Return
end_app 0
[ "$(data_of "$STORE" | sort)" = "$(printf 'first note\nsecond note')" ] ||
    fail "Quit did not store every note: $(cat "$STORE")"
[ -f "$AUTOSTART" ] || fail "Quit removed the autostart entry"
start_app
windows 2
end_app TERM

# No tray: no icon, the notes as always.
kill "$TRAY_PID" && wait "$TRAY_PID" 2>/dev/null || true
start_app
windows 2
sleep 1
! tray_icon || fail "an icon was made with no tray"
[ "$(visible_windows)" -eq 2 ] || fail "Pinleaf shows $(visible_windows) windows with no tray"
end_app TERM
