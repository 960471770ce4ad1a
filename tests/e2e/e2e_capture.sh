# The capture shortcut: Ctrl+Alt+N pressed in any program opens a new note, holding the text of
# the primary selection when there is one and the placeholder otherwise, with the keyboard, and
# whichever locks are on. Another program holding the key first: Pinleaf says so once, keeps
# running, holds none of the key's other combinations, and says nothing at the next start; once
# the key is free it works again and the report is forgotten.
source "$(dirname "$0")/lib.sh"
command -v xclip >/dev/null || skip "xclip is not installed"
GRABBER=$E2E_HOME/key_grabber CLIP_PID= GRAB_PID= XEV_PID=
cc -o "$GRABBER" "$(dirname "$0")/key_grabber.c" -lxcb 2>"$E2E_HOME/cc.log" ||
    skip "the key grabber does not build (libxcb1-dev): $(head -n 3 "$E2E_HOME/cc.log")"
trap 'for pid in $CLIP_PID $GRAB_PID $XEV_PID; do kill "$pid" 2>/dev/null; done; cleanup' EXIT
SETTINGS=$XDG_CONFIG_HOME/Pinleaf/Pinleaf.conf
start_display
ROOT=$(xwininfo -root | awk '/Window id:/ {print $4}')
shortcut_taken() { window_named "Shortcut taken"; }
locks() { "$GRABBER" --state; }
# Ctrl+Alt+N pressed while no window of Pinleaf's has the keyboard (the pointer off the notes:
# with the focus on the root, keys go to the window under the pointer), as in another program.
press() { xdotool mousemove 5 5 windowfocus "$ROOT" sleep 0.2 "${@:-key}" ctrl+alt+n; }
# The one note window of ids that is not $1.
other_than() { for id in "${ids[@]}"; do [ "$id" != "$1" ] && echo "$id"; done; }

start_app
windows 1
first=$win
sleep 0.5
# The selection is served by xclip in the foreground until it is ended.
printf 'captured words' | xclip -quiet -selection primary >/dev/null 2>&1 &
CLIP_PID=$!
poll 50 eval '[ "$(xclip -o -selection primary 2>/dev/null)" = "captured words" ]' ||
    fail "xclip holds no selection"
press
windows 2
captured=$(other_than "$first")
poll 50 eval '[ "$(xdotool getwindowfocus)" = "$captured" ]' ||
    fail "the captured note does not have the keyboard (focus $(xdotool getwindowfocus))"
xdotool type ' typed'
screenshot capture-selection

# No selection (its owner gone) and Num Lock on: a new note with the placeholder.
kill "$CLIP_PID" && wait "$CLIP_PID" 2>/dev/null || true
CLIP_PID=
xdotool key Num_Lock
[ $(($(locks) & 16)) -ne 0 ] || fail "Num Lock did not lock (modifiers $(locks))"
press
windows 3
# Caps Lock on as well, and a held key opens one note, not one per repeat.
xdotool key Caps_Lock
[ $(($(locks) & 2)) -ne 0 ] || fail "Caps Lock did not lock (modifiers $(locks))"
press keydown
xdotool sleep 1 keyup n keyup alt keyup ctrl
windows 4
sleep 0.5
windows 4
# Caps Lock alone.
xdotool key Num_Lock
[ "$(($(locks) & 18))" -eq 2 ] || fail "Num Lock did not unlock (modifiers $(locks))"
press
windows 5
xdotool key Caps_Lock key Num_Lock
alive "$APP_PID" || fail "Pinleaf ended"
[ -z "$(xdotool search --onlyvisible --name '^Shortcut taken$' 2>/dev/null)" ] ||
    fail "a notice although the shortcut works"
end_app TERM
[ "$(data_of "$STORE" | sort)" = "$(printf '%s\n' '[Note]' '[Note]' '[Note]' '[Note]' 'captured words typed')" ] ||
    fail "stored notes: $(data_of "$STORE")"

# Another program holds Ctrl+Alt+N (Control and Mod1, no locks; Num Lock is still on).
rm -f "$STORE"
"$GRABBER" 0x6e 12 >"$E2E_HOME/grabber.log" 2>&1 &
GRAB_PID=$!
poll 50 grep -q grabbed "$E2E_HOME/grabber.log" || fail "the grabber: $(cat "$E2E_HOME/grabber.log")"
start_app
windows 1
poll 100 shortcut_taken || fail "no notice that the shortcut is taken"
screenshot capture-taken
grep -qx 'CaptureShortcutReported=Ctrl+Alt+N' "$SETTINGS" || fail "not remembered: $(cat "$SETTINGS")"
# With the grab lost, Pinleaf gave back every combination: with Num Lock on the press reaches
# neither program but the window with the keyboard (the root, which xev watches), and no note
# opens.
xev -root -event keyboard >"$E2E_HOME/xev.log" 2>&1 &
XEV_PID=$!
sleep 0.5
press
sleep 1
kill "$XEV_PID" && wait "$XEV_PID" 2>/dev/null || true
XEV_PID=
grep -q 'keysym 0x6e, n)' "$E2E_HOME/xev.log" || fail "Pinleaf kept a grab of the key it lost"
windows 1
alive "$APP_PID" || fail "Pinleaf ended after its shortcut was taken"
end_app TERM
# The next start says nothing more.
start_app
windows 1
sleep 2
shortcut_taken && fail "the notice came again at the next start"
end_app TERM

# The key free again: it works, and the report is forgotten.
kill "$GRAB_PID" && wait "$GRAB_PID" 2>/dev/null || true
GRAB_PID=
start_app
windows 1
sleep 0.5
press
windows 2
poll 50 eval '! grep -q CaptureShortcutReported "$SETTINGS"' || fail "the report stays: $(cat "$SETTINGS")"
end_app TERM
echo "capture shortcut: selection, placeholder, locks, taken once"
