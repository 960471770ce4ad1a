# The titles that the window system shows for Pinleaf's dialogs are the program's own texts,
# nothing appended: the Save As dialog and the About dialog, both from the main menu.
source "$(dirname "$0")/lib.sh"
start_display
start_app
windows 1
note=$win
read -r x y w h <<<"$(geometry_of "$note")"

expect_title() {
    local id=$1 want=$2 prop got
    for prop in _NET_WM_NAME WM_NAME; do
        got=$(property_of "$id" "$prop")
        [ "$got" = "\"$want\"" ] || fail "$prop of the dialog is $got, expected \"$want\""
    done
}

# The main menu: New, Open, Special Note, Save, then Save As.
open_main_menu $((x + w / 2)) $((y + h / 2))
xdotool key Down Down Down Down Down Return
window_named '^Select a file'
screenshot titles-1-save-as
expect_title "$win" "Select a file: "
xdotool key Escape
sleep 0.3

# "About" is the last item of the main menu.
open_main_menu $((x + w / 2)) $((y + h / 2))
xdotool key Up Return
window_named '^About'
screenshot titles-2-about
expect_title "$win" "About"
xdotool key Return
sleep 0.3
expect_running "after the dialogs"
windows 1
kill -TERM "$APP_PID"
wait_exit 0
echo "PASS"
