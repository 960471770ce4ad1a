# The main menu of a note on screen, and the help note that the help picture and the menu's
# "Help" item open beside it: green, 6000 x 6200 twips, 200 twips right of and below the note.
source "$(dirname "$0")/lib.sh"
start_display
start_app
windows 1
note=$win
read -r x y w h <<<"$(geometry_of "$note")"

notes_only=$(visible_windows)
open_main_menu $((x + 60)) $((y + 60))
screenshot menu-1-main-menu
xdotool key Escape
sleep 0.3
[ "$(visible_windows)" -eq "$notes_only" ] || fail "the main menu did not close"

# The help picture, 17 pixels square, stands 2785 twips from the note's left edge.
xdotool mousemove $((x + 193)) $((y + 9)) click 1
windows 2
help=$(printf '%s\n' "${ids[@]}" | grep -vx "$note")
# 200 twips are 13.3 pixels at 96 dpi; 6000 x 6200 twips are 400 x 413.3.
[ "$(geometry_of "$help")" = "$((x + 13)) $((y + 13)) 400 413" ] ||
    fail "help note geometry: $(geometry_of "$help"), note at $x $y"
sleep 0.3
[ "$(pixel_at $((x + 15)) $((y + 13 + 410)))" = "171,255,204" ] || fail "the help note is not green"
screenshot menu-2-help-note

# The menu's "Help" item, three up from the bottom of the main menu, opens the same note. The
# first note's text shows in the strip left of the help note.
notes_only=$(visible_windows)
open_main_menu $((x + 6)) $((y + 100))
xdotool key Up Up Up Return
windows 3
for id in "${ids[@]}"; do
    [ "$id" = "$note" ] || [ "$(geometry_of "$id")" = "$(geometry_of "$help")" ] ||
        fail "the menu's help note differs: $(geometry_of "$id")"
done
kill -TERM "$APP_PID"
wait_exit 0
echo "PASS"
