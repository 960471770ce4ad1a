# A note dragged by its caption snaps flush to each screen edge and follows the pointer again when
# pulled clearly away; its corner grip sizes it with the date line following; its close picture
# ends the program and takes the autostart entry along.
source "$(dirname "$0")/lib.sh"
start_display
write_store "yellow|drag me|2865|3345|4500|4500"
mkdir -p "$(dirname "$AUTOSTART")"
printf '[Desktop Entry]\nType=Application\nExec=pinleaf\n' >"$AUTOSTART"
start_app
windows 1

# Each step: where the caption is grabbed (60 right and 8 down of the corner, past the help
# picture), the points it is dragged through, where the note must end up, and why.
x=300 y=300
for step in "-|300 300|restored" "200 308 70 308 78 308|0 300|left edge (10 pixels off), held there" \
    "150 308|90 300|pulled from the left edge" "600 308 1110 308|1057 300|right edge" \
    "700 100 700 13|640 0|top edge" "700 500 700 848|640 833|bottom edge" "500 500|440 492|middle"; do
    IFS='|' read -r path want why <<<"$step"
    [ "$path" = - ] || drag 1 $((x + 60)) $((y + 8)) $path
    read -r x y w h <<<"$(geometry_of "$win")"
    [ "$x $y" = "$want" ] || fail "$why: note at $x $y, expected $want"
done

# The grip sits 12 pixels square, 50 twips in from the lower-right corner.
drag 1 $((x + w - 9)) $((y + h - 9)) $((x + w + 91)) $((y + h + 71))
read -r x2 y2 w2 h2 <<<"$(geometry_of "$win")"
[ "$x2 $y2 $w2 $h2" = "$x $y $((w + 100)) $((h + 80))" ] || fail "sized to $x2 $y2 $w2 $h2"
screenshot move-sized
# The separator above the date (grey) and the grip follow the new corner.
[ "$(pixel_at $((x + 100)) $((y + h2 - 23)))" = "128,128,128" ] || fail "date line not at the new bottom"
[ "$(pixel_at $((x + 100)) $((y + h - 23)))" != "128,128,128" ] || fail "date line left behind"

# The close picture: 17 pixels square, 30 twips in from the right edge.
xdotool mousemove $((x + w2 - 10)) $((y + 9)) click 1
end_app 0
[ -e "$AUTOSTART" ] && fail "autostart entry left behind"
ls "$NOTES_DIR" | grep -q "^running-" && fail "the running copy outlived the last note: $(ls "$NOTES_DIR")"
[ -e "$STORE" ] && fail "a closed note was stored"
echo "PASS"
