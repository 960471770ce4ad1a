# Pinleaf.exe from its zip under Wine, on a display and in a Wine prefix of its own: the first
# start writes the visual-styles manifest and restarts once; the end of the logon stores every
# note beside the program and sets the Run value; the next start brings the notes back and closing
# the last one removes the value; a killed Pinleaf loses no typing; the memory and drive notes
# show what Windows reports; notes snap to the screen's edges and size by their grip; a later
# start with --new hands its note to the running program.
#   e2e_wine.sh ZIP TEMPLATE_PREFIX
source "$(dirname "$0")/../e2e/lib.sh" "$1"
zip=$1
[ -f "$zip" ] || fail "no $zip: make windows packs it"
export WINEPREFIX=$E2E_HOME/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cp -a "$2" "$WINEPREFIX"
trap 'wineserver -k 2>/dev/null; cleanup' EXIT
(cd "$E2E_HOME" && unzip -q "$zip") || fail "the zip does not unpack"
PROG=$(echo "$E2E_HOME"/Pinleaf-*-win64)
[ -f "$PROG/Pinleaf.exe" ] || fail "the zip holds no Pinleaf.exe: $(ls "$E2E_HOME")"
# The notes are kept beside the program, which may be written here.
NOTES_DIR=$PROG STORE=$PROG/pinleaf.dat MANIFEST=$PROG/Pinleaf.exe.manifest
printf '#!/bin/sh\nexec wine "%s/Pinleaf.exe" "$@"\n' "$PROG" > "$E2E_HOME/pinleaf"
chmod +x "$E2E_HOME/pinleaf"
PINLEAF_BIN=$E2E_HOME/pinleaf
winpath() { local p=$1; echo "Z:${p//\//\\}"; }
run_value() {
    wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v Pinleaf 2>/dev/null |
        tr -d '\r' | sed -n 's/^ *Pinleaf *REG_SZ *//p'
}
# This test's Pinleaf processes only: other runs of the test may be under way on the machine.
pinleaf_processes() { pgrep -fc "$(basename "$E2E_HOME").*Pinleaf\.exe" || true; }
start_display

# First start, with a store of two notes and no manifest: the manifest is written, the program
# starts again once with the same command line, and only the second process opens the notes.
write_store "yellow|first|2865|3345|1500|1500" "blue|second|2865|3345|9000|1500"
start_app
first=$APP_PID
poll 300 dead "$first" || fail "the first process did not hand over to a restarted one"
APP_PID=
windows 2
[ -f "$MANIFEST" ] || fail "no manifest beside the program"
grep -q 'name="Pinleaf.exe"' "$MANIFEST" && grep -q 'version="1.0.0.0"' "$MANIFEST" &&
    grep -q '<description>Pinleaf</description>' "$MANIFEST" ||
    fail "the manifest's placeholders: $(head -c 400 "$MANIFEST")"
poll 100 eval '[ ! -e "$STORE" ]' || fail "the store was not deleted once its notes were open"
sleep 2
[ "$(pinleaf_processes)" -eq 1 ] || fail "$(pinleaf_processes) Pinleaf processes after the restart"
screenshot wine-1-restored

# The end of the logon: both notes with their typing, in store order, and the Run value.
type_into "${ids[0]}" " typed"
type_into "${ids[1]}" " more"
sleep 0.5
wineboot --end-session --shutdown > /dev/null 2>&1 || fail "wineboot could not end the session"
poll 300 eval '[ "$(pinleaf_processes)" -eq 0 ]' || fail "Pinleaf did not end with the logon"
[ -f "$STORE" ] || fail "no store after the logon: $(ls "$PROG")"
printf '<?xml version="1.0" standalone="yes"?>\r\n<NOTES>\r\n' > "$E2E_HOME/head"
cmp -s -n 49 "$E2E_HOME/head" "$STORE" ||
    fail "the store's first lines: $(head -c 60 "$STORE" | od -c | head -n 3)"
[ "$(data_of "$STORE" | tr '\n' '|')" = "first typed|second more|" ] ||
    fail "stored notes: $(data_of "$STORE" | tr '\n' '|')"
ls "$PROG" | grep -q '^running-' && fail "the running copy outlived the logon: $(ls "$PROG")"
[ "$(run_value)" = "$(winpath "$PROG")\\Pinleaf.exe" ] ||
    fail "Run value: '$(run_value)', expected '$(winpath "$PROG")\\Pinleaf.exe'"

# The next logon: Wine's boot runs the Run value, which opens both notes and deletes the store.
wineboot > /dev/null 2>&1 || true
windows 2
poll 100 eval '[ ! -e "$STORE" ]' || fail "the store was not deleted at the next logon"
pid=$(xdotool getwindowpid "$win")
[ "$(data_of "$PROG"/running-*.dat | sort | tr '\n' '|')" = "first typed|second more|" ] ||
    fail "the restored notes: $(data_of "$PROG"/running-*.dat | tr '\n' '|')"

# A kill loses none of the typing: the next start opens the notes of the running copy.
type_into "$win" " kept"
sleep 2.5
kill -KILL "$pid" || fail "no process $pid to kill"
poll 100 eval '[ "$(pinleaf_processes)" -eq 0 ]' || fail "Pinleaf outlived kill -9"
start_app
windows 2
grep -q ' kept</DATA>' "$PROG"/running-*.dat || fail "the typing before the kill is gone"

# Closing the notes one by one removes the Run value with the last.
for id in "${ids[@]}"; do
    read -r x y w h <<<"$(geometry_of "$id")"
    xdotool mousemove $((x + w - 10)) $((y + 9)) click 1 sleep 0.5
done
end_app 0
[ -z "$(run_value)" ] || fail "the Run value stayed after the last note closed: $(run_value)"
[ -e "$STORE" ] && fail "closed notes were stored"

# The memory and the drives note show what Windows (here Wine, from Linux's figures) reports.
start_app
windows 1
read -r x y w h <<<"$(geometry_of "$win")"
special() {
    xdotool mousemove $((x + 60)) $((y + 60)) click 3 sleep 0.6 key Down Down Down Right sleep 0.4
    xdotool key "$@" Return sleep 1.8
}
special Down
screenshot wine-2-memory
# Wine counts Linux's memory in whole pages: within a megabyte of MemTotal.
shown=$(grep -o 'Total Physical: [0-9.]*M' "$PROG"/running-*.dat | grep -o '[0-9.]*' || true)
awk -v shown="${shown:-0}" '/^MemTotal:/ {d = shown - $2 / 1024; exit !(d < 1 && d > -1)}' \
    /proc/meminfo || fail "the memory note shows ${shown:-nothing}M, Linux $(grep MemTotal /proc/meminfo)"
special Down Down
screenshot wine-3-drives
drives=$(tr -d '\r' < "$PROG"/running-*.dat)
grep -q 'C:\\  [^(]*(Local Hard Drive)' <<<"$drives" && grep -q 'Z:\\ ' <<<"$drives" ||
    fail "the drives note lists no C: or Z:: $drives"
root_gb=$(df -B1 --output=size / | tail -n 1 |
    awk '{v = sprintf("%.2f", $1 / 1073741824); sub(/\.?0+$/, "", v); print v}')
grep -A1 'Z:\\ ' <<<"$drives" | grep -q "Total Space: ${root_gb}GB" ||
    fail "Z: is not the size of / (${root_gb}GB): $drives"

# A note dragged by its caption snaps flush to the left edge; its grip sizes it.
xdotool mousemove $((x + 60)) $((y + 60)) click 3 sleep 0.5 key Escape
drag 1 $((x + 60)) $((y + 8)) $((x + 30)) $((y + 8)) 70 $((y + 8))
read -r x2 y2 w2 h2 <<<"$(geometry_of "$win")"
[ "$x2" -eq 0 ] || fail "the note did not snap to the left edge: at $x2 $y2"
drag 1 $((x2 + w2 - 9)) $((y2 + h2 - 9)) $((x2 + w2 + 91)) $((y2 + h2 + 71))
read -r x3 y3 w3 h3 <<<"$(geometry_of "$win")"
[ "$w3 $h3" = "$((w2 + 100)) $((h2 + 80))" ] || fail "the grip sized the note to $w3 x $h3"
screenshot wine-4-moved

# Pinleaf.exe --new with Pinleaf running hands the note to it and ends at once.
status=0
timeout 60 "$PINLEAF_BIN" --new >"$E2E_HOME/new.log" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "Pinleaf.exe --new ended with status $status: $(tail -n 5 "$E2E_HOME/new.log")"
windows 2
[ "$(pinleaf_processes)" -eq 1 ] || fail "$(pinleaf_processes) Pinleaf processes after --new"
kill_app
echo "PASS"
