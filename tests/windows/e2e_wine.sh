# Pinleaf.exe from its zip under Wine, on a display and in a Wine prefix of its own: the first
# start writes the visual-styles manifest and restarts once; the end of the logon stores every
# note beside the program and sets the Run value; the next start brings the notes back and closing
# the last one removes the value; a killed Pinleaf loses no typing; the memory and drive notes
# show what Windows reports; notes snap to the screen's edges and size by their grip.
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
pinleaf_processes() { pgrep -fc 'Pinleaf\.exe' || true; }
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
wineboot --end-session > /dev/null 2>&1 || true
poll 300 eval '[ "$(pinleaf_processes)" -eq 0 ]' || fail "Pinleaf did not end with the logon"
[ -f "$STORE" ] || fail "no store after the logon"
head -c 50 "$STORE" | grep -q '^<?xml version="1.0" standalone="yes"?>'$'\r' ||
    fail "the store's declaration: $(head -c 60 "$STORE" | od -c | head -n 3)"
[ "$(data_of "$STORE" | sort | tr '\n' '|')" = "first typed|second more|" ] ||
    fail "stored notes: $(data_of "$STORE" | tr '\n' '|')"
[ "$(run_value)" = "$(winpath "$PROG")\\Pinleaf.exe" ] ||
    fail "Run value: '$(run_value)', expected '$(winpath "$PROG")\\Pinleaf.exe'"

# The next start opens both and deletes the store; a kill then loses none of the typing.
start_app
windows 2
poll 100 eval '[ ! -e "$STORE" ]' || fail "the store was not deleted at the next start"
type_into "$win" " kept"
sleep 2.5
kill -KILL "$APP_PID" 2>/dev/null || true
wineserver -k 2> /dev/null || true
APP_PID=
start_app
windows 3
echo "TODO"
