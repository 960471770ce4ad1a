# Under a tiling window manager (i3): a note floats at its own place and size instead of being
# tiled over the screen, a drag by its caption moves it, and a logoff stores what it showed.
source "$(dirname "$0")/lib.sh"
command -v i3 >/dev/null || skip "i3 is not installed (Debian package i3-wm)"
start_display
# A bare i3: no bar, no key bindings, no programs of its own.
printf '# i3 config file (v4)\nfont pango:DejaVu Sans 8\n' >"$E2E_HOME/i3.conf"
i3 -c "$E2E_HOME/i3.conf" >"$E2E_HOME/wm.log" 2>&1 &
WM_PID=$!
poll 100 eval "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'" || fail "no i3"
write_store "yellow|floating|2865|3345|4500|4500" "peach|second|2400|3000|9000|6000"
start_app
windows 2
sleep 0.5
screenshot tiling-1-floating
[ "$(geometries)" = "$(printf '300 300 223 191\n600 400 200 160')" ] ||
    fail "the notes are not where they were stored: $(geometries | tr '\n' ' ')"

read -r x y _ _ <<<"$(geometry_of "${ids[0]}")"
[ "$x" = 300 ] || read -r x y _ _ <<<"$(geometry_of "${ids[1]}")"
drag 1 $((x + 60)) $((y + 8)) $((x + 100)) $((y + 40)) $((x + 160)) $((y + 90))
[ "$(geometries | head -n 1)" = "400 382 223 191" ] || fail "dragged to $(geometries | head -n 1)"
alive "$APP_PID" || fail "Pinleaf ended under i3"
end_app TERM
stored=$(tr -d '\r\n' <"$STORE")
for field in "<HEIGHT>2865</HEIGHT><WIDTH>3345</WIDTH><LEFT>6000</LEFT><TOP>5730</TOP>" \
    "<HEIGHT>2400</HEIGHT><WIDTH>3000</WIDTH><LEFT>9000</LEFT><TOP>6000</TOP>"; do
    grep -q "$field" <<<"$stored" || fail "the store lacks $field: $stored"
done
echo "PASS"
