# The screens that a note's real right-click menu opens: Save As and About with the titles the
# window system shows, About's look, the clock note, and the help note; a logoff with About open;
# the same menus in German under a German locale.
source "$(dirname "$0")/lib.sh"
start_display
start_app
windows 1
read -r x y w h <<<"$(geometry_of "$win")" && note=$win

# The menu item that keys $1 reach opens a window, set in dialog, that the window system
# shows with the title $2 and nothing more.
open_dialog() {
    open_main_menu $((x + 6)) $((y + 100))
    xdotool key $1 Return
    named() { dialog=$(xdotool search --onlyvisible --name "^$1" 2>/dev/null | head -n 1) && [ -n "$dialog" ]; }
    poll 100 named "$2" || fail "no window named $2"
    sleep 0.5
    [ "$(xprop -id "$dialog" _NET_WM_NAME WM_NAME | sed 's/^[^=]*= //' | sort -u)" = "\"$2\"" ] ||
        fail "the dialog's titles: $(xprop -id "$dialog" _NET_WM_NAME WM_NAME), expected \"$2\""
}
notes_only=$(visible_windows)
open_dialog "Down Down Down Down Down" "Select a file: "
screenshot menus-1-save-as
xdotool key Escape sleep 0.3
[ "$(visible_windows)" -eq "$notes_only" ] || fail "the Save As dialog or the menu did not close"

# About is the last item: 5550 x 3435 twips centred on the note, with its blue, red and yellow
# squares and an etched separator, a grey line over a white one.
open_dialog Up About
read -r ax ay aw ah <<<"$(geometry_of "$dialog")"
[ "$aw $ah" = "370 229" ] || fail "About is $aw x $ah"
dx=$((ax + aw / 2 - x - w / 2)) dy=$((ay + ah / 2 - y - h / 2))
[ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] || fail "About is not centred on the note ($dx, $dy)"
screenshot menus-2-about
for probe in "125 12 0,0,255" "180 45 255,0,0" "140 100 255,255,0" "100 162 128,128,128" \
    "100 163 255,255,255"; do
    read -r px py want <<<"$probe"
    [ "$(pixel_at $((ax + px)) $((ay + py)))" = "$want" ] || fail "About at $px,$py is not $want"
done
xdotool key Return
poll 50 eval '! xdotool search --onlyvisible --name "^About" >/dev/null' ||
    fail "Return did not close the About dialog"
alive "$APP_PID" || fail "Pinleaf ended with the About dialog"

# Special Note, the third item, its first entry Time: the text changes by itself each second.
open_main_menu $((x + 60)) $((y + 60))
xdotool key Down Down Down Right sleep 0.3 key Return sleep 0.5
area=$((w - 10))x$((h - 60))+$((x + 5))+$((y + 30))
import -window root -crop "$area" "$ARTIFACTS/menus-4-time.png"
sleep 1.3
import -window root -crop "$area" "$ARTIFACTS/menus-5-time-later.png"
changed=$(compare -metric AE "$ARTIFACTS/menus-4-time.png" "$ARTIFACTS/menus-5-time-later.png" \
    null: 2>&1 || true)
[ "${changed%% *}" -gt 0 ] 2>/dev/null || fail "the time note did not change within 1.3 s ($changed)"

# The help picture (17 pixels, 2785 twips from the left) opens a green help note of 6000 x 6200
# twips, 200 twips right of and below the note; the menu's Help item (three up) the same.
xdotool mousemove $((x + 193)) $((y + 9)) click 1
windows 2
help=$(printf '%s\n' "${ids[@]}" | grep -vx "$note")
[ "$(geometry_of "$help")" = "$((x + 13)) $((y + 13)) 400 413" ] ||
    fail "help note geometry: $(geometry_of "$help"), note at $x $y"
sleep 0.3
[ "$(pixel_at $((x + 15)) $((y + 13 + 410)))" = "171,255,204" ] || fail "the help note is not green"
screenshot menus-6-help-note
open_main_menu $((x + 6)) $((y + 100))
xdotool key Up Up Up Return
windows 3
for id in "${ids[@]}"; do
    [ "$id" = "$note" ] || [ "$(geometry_of "$id")" = "$(geometry_of "$help")" ] ||
        fail "the menu's help note differs: $(geometry_of "$id")"
done

# A logoff while About is open stores every note, the time as plain text and each help note's
# text ending with the line break after its last line, and ends Pinleaf.
open_dialog Up About
end_app TERM
[ "$(grep -c '<NOTE>' "$STORE")" -eq 3 ] || fail "the store does not hold three notes: $(cat "$STORE")"
grep -Eq '^[0-9]{2}:[0-9]{2}:[0-9]{2} [AP]M</DATA>' <(tr -d '\r' <"$STORE") ||
    fail "the store does not hold the time as plain text: $(cat "$STORE")"
[ "$(tr -d '\n' <"$STORE" | grep -o $'accomodate\.\r</DATA>' | wc -l)" -eq 2 ] ||
    fail "the stored help notes do not end with a line break: $(cat "$STORE")"

# Under a German locale (LANG, as a German desktop sets it) the shipped translation speaks: the
# main menu's last item opens the About dialog titled "Über", the new note's placeholder is stored
# as "[Notiz]", and Qt's own texts are German too (the menu shows "Strg+V" beside "Einfügen").
rm -f "$STORE"
unset LC_ALL LC_MESSAGES LANGUAGE
export LANG=de_DE.UTF-8
start_app
windows 1
read -r x y w h <<<"$(geometry_of "$win")"
open_main_menu $((x + 6)) $((y + 100))
screenshot menus-7-german
xdotool key Up Return
titled() {
    local id
    for id in $(xdotool search --onlyvisible --class pinleaf 2>/dev/null); do
        [ "$(xdotool getwindowname "$id")" = "$1" ] && return 0
    done
    return 1
}
poll 100 titled "Über" || fail "no About dialog titled Über under a German locale"
screenshot menus-8-german-about
xdotool key Return
end_app TERM
grep -q '<DATA>\[Notiz\]</DATA>' "$STORE" || fail "the German placeholder was not stored: $(cat "$STORE")"
echo "PASS"
