# A note dragged by its caption snaps flush to each screen edge and follows the pointer again
# when pulled clearly away; its corner grip sizes it with the date line following; its close
# picture ends the program and takes the autostart entry along.
source "$(dirname "$0")/lib.sh"
start_display

write_store "yellow|drag me|2865|3345|4500|4500"
mkdir -p "$(dirname "$AUTOSTART")"
printf '[Desktop Entry]\nType=Application\nExec=pinleaf\n' >"$AUTOSTART"
start_app
windows 1
id=$win

# The caption strip starts 32 pixels in; grab it 60 pixels right and 8 down of the corner.
at() { geometry_of "$id" | cut -d' ' -f1,2; }
expect_at() {
    [ "$(at)" = "$1" ] || fail "$2: note at $(at), expected $1"
}
grab() { read -r x y <<<"$(at)"; echo $((x + 60)) $((y + 8)); }

expect_at "300 300" "restored"
# 10 pixels (150 twips) from the left edge: caught flush.
drag $(grab) 200 308 70 308
expect_at "0 300" "left edge"
screenshot move-1-left-edge
# Pulled 90 pixels away from the grab point: it follows again.
drag $(grab) 150 308
expect_at "90 300" "pulled from the left edge"
drag $(grab) 600 308 1110 308
expect_at "1057 300" "right edge"
drag $(grab) 700 100 700 13
expect_at "640 0" "top edge"
drag $(grab) 700 500 700 848
expect_at "640 833" "bottom edge"
screenshot move-2-bottom-edge
drag $(grab) 500 500
expect_at "440 492" "middle"

# The grip sits 12 pixels square, 50 twips in from the lower-right corner.
read -r x y w h <<<"$(geometry_of "$id")"
drag $((x + w - 9)) $((y + h - 9)) $((x + w + 91)) $((y + h + 71))
read -r x2 y2 w2 h2 <<<"$(geometry_of "$id")"
[ "$x2 $y2 $w2 $h2" = "$x $y $((w + 100)) $((h + 80))" ] || fail "sized to $x2 $y2 $w2 $h2"
screenshot move-3-sized
# The separator above the date (grey) and the grip follow the new corner.
[ "$(pixel_at $((x + 100)) $((y + h2 - 23)))" = "128,128,128" ] || fail "date line not at the new bottom"
[ "$(pixel_at $((x + 100)) $((y + h - 23)))" != "128,128,128" ] || fail "date line left behind"

# The close picture: 17 pixels square, 30 twips in from the right edge.
xdotool mousemove $((x + w2 - 10)) $((y + 9)) click 1
wait_exit 0
[ -e "$AUTOSTART" ] && fail "autostart entry left behind"
ls "$NOTES_DIR" | grep -q "^running-" && fail "the running copy outlived the last note: $(ls "$NOTES_DIR")"
[ -e "$STORE" ] && fail "a closed note was stored"
echo "PASS"
