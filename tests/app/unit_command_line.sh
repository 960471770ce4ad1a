#!/usr/bin/env bash
# The command line of the real program, without any display: no window system gives one line
# and status 1 (not Qt's abort and a core dump), whichever platform was asked for; options that
# Pinleaf does not take are named on standard error and left out, Qt's own are Qt's, and the
# note file still opens (on the offscreen platform, stored at a SIGTERM as at a logoff).
# Usage: unit_command_line.sh BUILD_DIR
set -euo pipefail
bin=$1/pinleaf
tmp=$(mktemp -d)
app=
trap '[ -n "$app" ] && kill -9 "$app" 2>/dev/null; rm -rf "$tmp"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/home/.config XDG_DATA_HOME=$tmp/home/.local/share
export XDG_RUNTIME_DIR=$tmp/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_SESSION_TYPE SESSION_MANAGER

# Each case: the environment and arguments, and what the one line must say.
while IFS='|' read -r setting args says; do
    status=0
    # shellcheck disable=SC2086 # the words of each case are meant to be split
    env $setting "$bin" $args >"$tmp/out" 2>"$tmp/err" || status=$?
    [ "$status" -eq 1 ] || fail "status $status for '$setting $args': $(cat "$tmp/err")"
    [ "$(wc -l <"$tmp/err")" -eq 1 ] && [ ! -s "$tmp/out" ] ||
        fail "not one line for '$setting $args': $(cat "$tmp/out" "$tmp/err")"
    grep -q "^Pinleaf: no display was found ($says)" "$tmp/err" ||
        fail "for '$setting $args': $(cat "$tmp/err")"
done <<EOF_CASES
HOME=$HOME||DISPLAY is not set
HOME=$HOME|-display :987|the X display :987 does not answer
QT_QPA_PLATFORM=xcb|-v|DISPLAY is not set
XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=none|--bogus|no Wayland display at $XDG_RUNTIME_DIR/none, and DISPLAY is not set
HOME=$HOME|-platform wayland|no Wayland display at $XDG_RUNTIME_DIR/wayland-0
WAYLAND_DISPLAY=wayland-1||DISPLAY is not set, and QT_QPA_PLATFORM=wayland would try the Wayland display
EOF_CASES

# Offscreen: Qt's own option is Qt's, the others are named, and the note file opens.
note=$tmp/my-note.pnf
printf '%s\r\n' '<?xml version="1.0" standalone="yes"?>' '<NOTES>' '<NOTE>' '<COLOR>blue</COLOR>' \
    '<DATA>from the file</DATA>' '<TIMEDATE>d</TIMEDATE>' '<HEIGHT>2400</HEIGHT>' \
    '<WIDTH>3000</WIDTH>' '<LEFT>150</LEFT>' '<TOP>1500</TOP>' '</NOTE>' '</NOTES>' >"$note"
"$bin" -platform offscreen -v --bogus "$note" 2>"$tmp/err" &
app=$!
for _ in $(seq 1 100); do
    grep -qs "from the file" "$XDG_DATA_HOME"/Pinleaf/running-*.dat && break
    sleep 0.1
done
kill -TERM "$app"
status=0
wait "$app" || status=$?
app=
[ "$status" -eq 0 ] || fail "the offscreen run ended with status $status: $(cat "$tmp/err")"
grep -q "from the file" "$XDG_DATA_HOME/Pinleaf/pinleaf.dat" ||
    fail "the note file did not open: $(cat "$tmp/err")"
[ "$(grep -c '^Pinleaf: ignoring the option ' "$tmp/err")" -eq 2 ] &&
    grep -q '"-v"' "$tmp/err" && grep -q '"--bogus"' "$tmp/err" && ! grep -q 'platform' "$tmp/err" ||
    fail "the options were not named as ignored: $(cat "$tmp/err")"
echo "command line without a display: as it should be"
