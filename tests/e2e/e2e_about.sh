# "About" from a note's real right-click menu: the dialog centred on the note with its squares
# and separator; Return closes it; a logoff while it is open still stores the note and
# ends Pinleaf.
source "$(dirname "$0")/lib.sh"
start_display
start_app
windows 1
note=$win
read -r x y w h <<<"$(geometry_of "$note")"

about_windows() {
    xdotool search --onlyvisible --name '^About' 2>/dev/null || true
}
# "About" is the last item of the main menu.
open_about() {
    xdotool mousemove $((x + 60)) $((y + 60)) click 3
    sleep 0.6
    xdotool key Up Return
    for _ in $(seq 1 50); do
        about=$(about_windows)
        [ -n "$about" ] && sleep 0.5 && return 0
        sleep 0.1
    done
    fail "the About dialog did not open"
}

open_about
read -r ax ay aw ah <<<"$(geometry_of "$about")"
# 5550 x 3435 twips are 370 x 229 pixels at 96 dpi.
[ "$aw $ah" = "370 229" ] || fail "About is $aw x $ah"
dx=$((ax + aw / 2 - x - w / 2)) dy=$((ay + ah / 2 - y - h / 2))
[ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] || fail "About is not centred on the note ($dx, $dy)"
screenshot about-1-dialog
# The blue, red and yellow squares and the etched separator, a grey line over a white one.
[ "$(pixel_at $((ax + 125)) $((ay + 12)))" = "0,0,255" ] || fail "no blue square"
[ "$(pixel_at $((ax + 180)) $((ay + 45)))" = "255,0,0" ] || fail "no red square"
[ "$(pixel_at $((ax + 140)) $((ay + 100)))" = "255,255,0" ] || fail "no yellow square"
[ "$(pixel_at $((ax + 100)) $((ay + 162)))" = "128,128,128" ] || fail "no etched separator"
[ "$(pixel_at $((ax + 100)) $((ay + 163)))" = "255,255,255" ] || fail "no etched separator"
xdotool key Return
for _ in $(seq 1 50); do
    [ -z "$(about_windows)" ] && break
    sleep 0.1
done
[ -z "$(about_windows)" ] || fail "Return did not close the About dialog"
alive "$APP_PID" || fail "Pinleaf ended with the dialog"
windows 1

# A logoff while the dialog is open: the note is stored and Pinleaf ends.
open_about
kill -TERM "$APP_PID"
wait_exit 0
[ "$(data_of "$STORE")" = "[Note]" ] || fail "the store does not hold the note: $(cat "$STORE")"
[ -e "$AUTOSTART" ] || fail "no autostart entry after the logoff"

echo "PASS"
