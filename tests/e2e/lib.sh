# Shared set-up of the end-to-end tests: a private X display, private per-user folders, and
# helpers to find, measure and photograph Pinleaf's windows.
set -euo pipefail

PINLEAF_BIN=${1:?path of the pinleaf binary}
ARTIFACTS=${PINLEAF_ARTIFACTS:-$(pwd)/e2e-artifacts}
E2E_HOME=$(mktemp -d /tmp/pinleaf-e2e-XXXXXX)
export HOME=$E2E_HOME XDG_CONFIG_HOME=$E2E_HOME/config XDG_DATA_HOME=$E2E_HOME/data
export XDG_RUNTIME_DIR=$E2E_HOME/runtime QT_QPA_PLATFORMTHEME=
mkdir -p "$ARTIFACTS" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset SESSION_MANAGER WAYLAND_DISPLAY QT_QPA_PLATFORM
NOTES_DIR=$XDG_DATA_HOME/Pinleaf
STORE=$NOTES_DIR/pinleaf.dat
AUTOSTART=$XDG_CONFIG_HOME/autostart/pinleaf.desktop
XVFB_PID= WM_PID= APP_PID=

cleanup() {
    [ -n "$APP_PID" ] && kill -KILL "$APP_PID" 2>/dev/null || true
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null || true
    rm -rf "$E2E_HOME"
}
trap cleanup EXIT

# Says what went wrong and what Pinleaf printed, and ends the test (inside $(...) only a subshell).
fail() {
    echo "FAIL: $*" && echo "--- Pinleaf said:" && tail -n 20 "$E2E_HOME/app.log" 2>/dev/null
    if [ -n "$XVFB_PID" ] && ! kill -0 "$XVFB_PID" 2>/dev/null; then
        echo "--- the X server had ended:" && tail -n 10 "$E2E_HOME/xvfb.log" 2>/dev/null
    fi
    exit 1
} >&2
skip() { echo "SKIPPED: $*" && exit 77; }
# Runs a command every tenth of a second until it succeeds, at most $1 times.
poll() { for _ in $(seq "$1"); do "${@:2}" && return 0 || sleep 0.1; done; return 1; }
# True while process $1 runs (a child that ended but was not yet waited for does not count).
alive() { ps -o stat= -p "$1" 2>/dev/null | grep -qv Z; }
dead() { ! alive "$1"; }

# Xvfb on a free display number (1280x1024, 96 dpi); returns once it accepts connections.
start_display() {
    local num= fifo=$E2E_HOME/displayfd.$RANDOM
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset 3>"$fifo" \
        2>"$E2E_HOME/xvfb.log" &
    XVFB_PID=$!
    read -r -t 60 num <"$fifo" || true
    export DISPLAY=:$num
    [ -n "$num" ] && poll 100 xdpyinfo >/dev/null 2>&1 || fail "no display: $(tail -n 5 "$E2E_HOME/xvfb.log")"
}

start_app() { "$PINLEAF_BIN" "$@" >"$E2E_HOME/app.log" 2>&1 & APP_PID=$!; }
# Sends signal $1 (0: none, Pinleaf ends by itself) and waits for the exit status $2, 0 unless given.
end_app() {
    local status=0
    kill -"$1" "$APP_PID" 2>/dev/null || true
    poll 300 dead "$APP_PID" || fail "Pinleaf did not end (signal $1)"
    wait "$APP_PID" || status=$?
    APP_PID=
    [ "$status" -eq "${2:-0}" ] || fail "exit status $status after signal $1, expected ${2:-0}"
}
kill_app() {
    if ! kill -KILL "$APP_PID" 2>/dev/null; then
        local status=0
        wait "$APP_PID" || status=$?
        fail "Pinleaf had ended before it was killed, exit status $status: $(tail -n 5 "$E2E_HOME/app.log")"
    fi
    wait "$APP_PID" 2>/dev/null || true; APP_PID=
}

# Sets the array ids to Pinleaf's visible note windows once there are exactly $1 of them (with
# $2, of that process only), and win to the first. A note's title is "Pinleaf" exactly: xdotool
# matches names whatever their case, and a window without a title of its own is "pinleaf".
windows() {
    local search=(xdotool search --onlyvisible --name '^Pinleaf$') id
    [ -n "${2:-}" ] && search=(xdotool search --all --onlyvisible --pid "$2" --name '^Pinleaf$')
    for _ in $(seq 600); do
        mapfile -t ids < <("${search[@]}" 2>/dev/null)
        if [ "${#ids[@]}" -ge "$1" ]; then
            mapfile -t ids < <(for id in "${ids[@]}"; do
                xprop -id "$id" WM_NAME 2>/dev/null | grep -q '= "Pinleaf"$' && echo "$id"
            done)
        fi
        [ "${#ids[@]}" -eq "$1" ] && win=${ids[0]:-} && return 0
        sleep 0.1
    done
    fail "expected $1 windows${2:+ of process $2}, saw ${#ids[@]}$(dead "${2:-$APP_PID}" && echo ', Pinleaf ended')"
}
# "x y width height" of a window, in pixels; of every window in ids, sorted.
geometry_of() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}
geometries() { for id in "${ids[@]}"; do geometry_of "$id"; done | sort -n; }
screenshot() { import -window root "$ARTIFACTS/$1.png"; }
# The colour of one pixel of the screen, as "r,g,b".
pixel_at() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -n 1
}
# Presses button $1 at $2 $3, moves through the remaining point pairs, releases.
drag() {
    local args=(mousemove "$2" "$3" sleep 0.1 mousedown "$1" sleep 0.2) b=$1
    shift 3
    for ((; $# >= 2; )); do args+=(mousemove "$1" "$2" sleep 0.1) && shift 2; done
    xdotool "${args[@]}" mouseup "$b" sleep 0.3
}
# Clicks into the text of window $1 and types $2 at the end of its text.
type_into() {
    local x y w h
    read -r x y w h <<<"$(geometry_of "$1")"
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1 sleep 0.2 key ctrl+End type "$2"
}
# Pinleaf's visible windows, its pop-up menus included.
visible_windows() { xdotool search --onlyvisible --class pinleaf 2>/dev/null | grep -c . || true; }
# A right click at $1 $2 into a note; returns once a menu more is on screen.
open_main_menu() {
    local before
    before=$(visible_windows)
    xdotool mousemove "$1" "$2" click 3
    poll 50 eval '[ "$(visible_windows)" -gt "$before" ]' || fail "the main menu did not open"
    sleep 0.3
}

# Writes a store of the given notes, each "color|text|height|width|left|top[|date]" (twips).
write_store() {
    local note color text h w l t d
    mkdir -p "$NOTES_DIR"
    printf '<?xml version="1.0" standalone="yes"?>\r\n<NOTES>\r\n' >"$STORE"
    for note; do
        IFS='|' read -r color text h w l t d <<<"$note"
        printf '<NOTE><COLOR>%s</COLOR><DATA>%s</DATA><TIMEDATE>%s</TIMEDATE>' "$color" "$text" \
            "${d:-1/2/2026 3:04:05 PM}"
        printf '<HEIGHT>%s</HEIGHT><WIDTH>%s</WIDTH><LEFT>%s</LEFT><TOP>%s</TOP></NOTE>\r\n' "$h" "$w" "$l" "$t"
    done >>"$STORE"
    printf '</NOTES>\r\n' >>"$STORE"
}
# A store of $1 notes "$2 1" to "$2 $1" along a diagonal; sets expected to their sorted texts.
write_numbered_store() {
    local notes=() i
    for i in $(seq "$1"); do notes+=("green|$2 $i|1500|2400|$((i * 90))|$((i * 75))"); done
    write_store "${notes[@]}"
    expected=$(seq "$1" | sed "s/^/$2 /" | sort)
}
# The texts of the notes in one document, one a line.
data_of() { grep -o '<DATA>[^<]*</DATA>' "$1" | sed 's#</\?DATA>##g'; }
# Writes to $1 the sorted texts of every note a start would open now: the store and every running
# copy, less the copies that a newer copy names as taken over. Fails when a file is not whole.
notes_on_disk() {
    local f taken
    taken=" $(cat "$NOTES_DIR"/running-*.dat 2>/dev/null | grep -o '<?pinleaf-absorbed [^?]*' |
        cut -d' ' -f2- | tr '\n' ' ' || true) "
    for f in "$STORE" "$NOTES_DIR"/running-*.dat; do
        [ -e "$f" ] || continue
        [ "$(tail -c 10 "$f" | tr -d '\r\n')" = "</NOTES>" ] &&
            [ "$(grep -c '<NOTE>' "$f")" -eq "$(grep -c '</NOTE>' "$f")" ] ||
            fail "$(basename "$f") is not whole: $(tail -c 80 "$f")"
        case "$taken" in *" $(basename "$f") "*) ;; *) data_of "$f" ;; esac
    done >"$1.all"
    sort "$1.all" >"$1"
}

# Window $1 (decimal, as xdotool gives it) is above window $2 in the window manager's stacking
# order of its clients.
stacked_above() {
    local order
    order=$(xprop -root -notype _NET_CLIENT_LIST_STACKING | sed 's/^[^#]*# //' | tr -d ' ' |
        tr ',' '\n' | grep -n . | sed 's/^\([0-9]*\):0x0*/\1 /')
    local a b
    a=$(awk -v id="$(printf '%x' "$1")" '$2 == id {print $1}' <<<"$order")
    b=$(awk -v id="$(printf '%x' "$2")" '$2 == id {print $1}' <<<"$order")
    [ -n "$a" ] && [ -n "$b" ] && [ "$a" -gt "$b" ]
}
# The first visible window whose title is $1 exactly; sets found to it.
window_named() { found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$found" ]; }
