# Shared set-up of the end-to-end tests: a private X display, private per-user folders, and
# helpers to find, measure and photograph Pinleaf's windows.
set -euo pipefail

PINLEAF_BIN=${1:?path of the pinleaf binary}
ARTIFACTS=${PINLEAF_ARTIFACTS:-$(pwd)/e2e-artifacts}
mkdir -p "$ARTIFACTS"

E2E_HOME=$(mktemp -d /tmp/pinleaf-e2e-XXXXXX)
export HOME=$E2E_HOME
export XDG_CONFIG_HOME=$E2E_HOME/config
export XDG_DATA_HOME=$E2E_HOME/data
export XDG_RUNTIME_DIR=$E2E_HOME/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset SESSION_MANAGER WAYLAND_DISPLAY QT_QPA_PLATFORM
export QT_QPA_PLATFORMTHEME=

STORE=$XDG_DATA_HOME/Pinleaf/pinleaf.dat
AUTOSTART=$XDG_CONFIG_HOME/autostart/pinleaf.desktop
XVFB_PID=
WM_PID=
APP_PID=

cleanup() {
    [ -n "$APP_PID" ] && kill -KILL "$APP_PID" 2>/dev/null || true
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null || true
    rm -rf "$E2E_HOME"
}
trap cleanup EXIT

# Says what went wrong and what Pinleaf printed, and ends the test. It ends only a subshell when
# called inside $(...) or <(...): the helpers that can fail are called as plain commands.
fail() {
    echo "FAIL: $*" >&2
    if [ -s "$E2E_HOME/app.log" ]; then
        echo "--- Pinleaf said:" >&2
        tail -n 20 "$E2E_HOME/app.log" >&2
    fi
    exit 1
}

# Starts Xvfb on a free display number (1280x1024, 24 bits, 96 dpi) and returns once it accepts
# connections.
start_display() {
    local fifo=$E2E_HOME/displayfd
    rm -f "$fifo"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset 3>"$fifo" \
        2>"$E2E_HOME/xvfb.log" &
    XVFB_PID=$!
    local num=
    read -r -t 60 num <"$fifo" || true
    [ -n "$num" ] || fail "Xvfb did not start: $(tail -n 5 "$E2E_HOME/xvfb.log")"
    export DISPLAY=:$num
    for _ in $(seq 1 100); do
        xdpyinfo >/dev/null 2>&1 && return 0
        alive "$XVFB_PID" || break
        sleep 0.1
    done
    fail "display $DISPLAY does not accept connections: $(tail -n 5 "$E2E_HOME/xvfb.log")"
}

# Starts openbox on the display and returns once it manages windows (it has named itself on the
# root window).
start_window_manager() {
    command -v openbox >/dev/null || skip "openbox is not installed"
    openbox --sm-disable --config-file /dev/null >"$E2E_HOME/wm.log" 2>&1 &
    WM_PID=$!
    for _ in $(seq 1 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        alive "$WM_PID" || break
        sleep 0.1
    done
    fail "openbox did not start: $(tail -n 5 "$E2E_HOME/wm.log")"
}

# Ends the test as skipped (status 77) when the machine lacks what it needs.
skip() {
    echo "SKIP: $*"
    exit 77
}

# Starts Pinleaf in the background with the given arguments.
start_app() {
    "$PINLEAF_BIN" "$@" >"$E2E_HOME/app.log" 2>&1 &
    APP_PID=$!
}

# Fails, with what Pinleaf printed, once Pinleaf is no longer running.
expect_running() {
    alive "$APP_PID" && return 0
    local status=0
    wait "$APP_PID" || status=$?
    APP_PID=
    fail "Pinleaf ended unexpectedly (status $status)${1:+ $1}"
}

# Prints the ids of Pinleaf's visible windows, waiting until there are exactly $1 of them; with
# a second argument, only the windows of that process.
wait_windows() {
    local want=$1 pid=${2:-} ids n
    local search=(xdotool search --onlyvisible --name '^Pinleaf$')
    [ -n "$pid" ] && search=(xdotool search --all --onlyvisible --pid "$pid" --name '^Pinleaf$')
    for _ in $(seq 1 600); do
        ids=$("${search[@]}" 2>/dev/null || true)
        n=$(printf '%s' "$ids" | grep -c . || true)
        if [ "$n" -eq "$want" ]; then
            printf '%s\n' "$ids"
            return 0
        fi
        sleep 0.1
    done
    local state="running"
    [ -n "${APP_PID:-}" ] && ! alive "$APP_PID" && state="no longer running"
    fail "expected $want windows${pid:+ of process $pid}, saw ${n:-0} (Pinleaf $state)"
}

# Sets the array ids to the ids of Pinleaf's visible windows once there are exactly $1 (with $2,
# of that process only), and win to the first of them.
windows() {
    wait_windows "$@" >"$E2E_HOME/ids"
    mapfile -t ids <"$E2E_HOME/ids"
    win=${ids[0]:-}
}

# "x y width height" of a window, in pixels.
geometry_of() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}

screenshot() {
    import -window root "$ARTIFACTS/$1.png"
}

# True while process $1 runs (a child that ended but was not yet waited for does not count).
alive() {
    ps -o stat= -p "$1" 2>/dev/null | grep -qv Z
}

# Waits for the app to end and checks its exit status.
wait_exit() {
    local want=$1 status=0
    for _ in $(seq 1 300); do
        alive "$APP_PID" || break
        sleep 0.1
    done
    alive "$APP_PID" && fail "Pinleaf did not end"
    wait "$APP_PID" || status=$?
    APP_PID=
    [ "$status" -eq "$want" ] || fail "exit status $status, expected $want"
}

# Writes a notes store of the given notes: each argument is "color|text|height|width|left|top".
write_store() {
    mkdir -p "$(dirname "$STORE")"
    {
        printf '<?xml version="1.0" standalone="yes"?>\r\n<NOTES>\r\n'
        local note color text h w l t
        for note in "$@"; do
            IFS='|' read -r color text h w l t <<<"$note"
            printf '<NOTE>\r\n<COLOR>%s</COLOR>\r\n<DATA>%s</DATA>\r\n' "$color" "$text"
            printf '<TIMEDATE>1/2/2026 3:04:05 PM</TIMEDATE>\r\n'
            printf '<HEIGHT>%s</HEIGHT>\r\n<WIDTH>%s</WIDTH>\r\n' "$h" "$w"
            printf '<LEFT>%s</LEFT>\r\n<TOP>%s</TOP>\r\n</NOTE>\r\n' "$l" "$t"
        done
        printf '</NOTES>\r\n'
    } >"$STORE"
}

# The colour of one pixel of the screen, as "r,g,b".
pixel_at() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -n 1
}

# Presses the left button at $1 $2, moves through the remaining point pairs, releases.
drag() {
    local args=(mousemove "$1" "$2" sleep 0.1 mousedown 1 sleep 0.1)
    shift 2
    while [ $# -ge 2 ]; do
        args+=(mousemove "$1" "$2" sleep 0.1)
        shift 2
    done
    xdotool "${args[@]}" mouseup 1 sleep 0.2
}

# Waits up to 10 seconds for a file to disappear.
wait_gone() {
    for _ in $(seq 1 100); do
        [ -e "$1" ] || return 0
        sleep 0.1
    done
    return 1
}

NOTES_DIR=$XDG_DATA_HOME/Pinleaf

# Clicks into the text of window $1 and types $2 at the end of its text.
type_into() {
    local x y w h
    read -r x y w h < <(geometry_of "$1")
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1 sleep 0.2 key ctrl+End type "$2"
}

# A store of $1 notes with texts "$2 1" to "$2 $1", in colour $3, placed along a diagonal.
write_numbered_store() {
    local notes=() i
    for i in $(seq 1 "$1"); do
        notes+=("$3|$2 $i|1500|2400|$((i * 90))|$((i * 75))")
    done
    write_store "${notes[@]}"
}

# The texts of the notes in one document, one a line.
data_of() {
    grep -o '<DATA>[^<]*</DATA>' "$1" | sed 's#</\?DATA>##g'
}

# True when a written document is whole: it ends with its root's end tag and every note is closed.
document_whole() {
    local f=$1
    [ "$(tail -c 10 "$f" | tr -d '\r\n')" = "</NOTES>" ] &&
        [ "$(grep -c '<NOTE>' "$f")" -eq "$(grep -c '</NOTE>' "$f")" ]
}

# Writes to $1 the texts of every note that a start would open now, sorted: the store and every
# running copy, less the copies that a newer copy names as taken over. Fails when a file is not
# whole.
notes_on_disk() {
    local out=$1 f superseded=""
    for f in "$NOTES_DIR"/running-*.dat; do
        [ -e "$f" ] || continue
        superseded+=" $(grep -o '<?pinleaf-absorbed [^?]*' "$f" | cut -d' ' -f2- || true) "
    done
    : >"$out.unsorted"
    for f in "$STORE" "$NOTES_DIR"/running-*.dat; do
        [ -e "$f" ] || continue
        document_whole "$f" || fail "$(basename "$f") is not whole: $(tail -c 80 "$f")"
        case "$superseded" in *" $(basename "$f") "*) continue ;; esac
        data_of "$f" >>"$out.unsorted"
    done
    sort "$out.unsorted" >"$out"
    rm -f "$out.unsorted"
}

# Pinleaf's visible windows, its pop-up menus included (they are windows of their own, without
# the note's title).
visible_windows() {
    xdotool search --onlyvisible --class pinleaf 2>/dev/null | grep -c . || true
}

# A right click at $1 $2 into a note's text; returns once the main menu is on screen.
open_main_menu() {
    local before
    before=$(visible_windows)
    xdotool mousemove "$1" "$2" click 3
    for _ in $(seq 1 50); do
        [ "$(visible_windows)" -gt "$before" ] && sleep 0.3 && return 0
        sleep 0.1
    done
    fail "the main menu did not open"
}

# Sets win to the visible window whose title matches the pattern $1, waiting up to 10 seconds.
window_named() {
    for _ in $(seq 1 100); do
        win=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        [ -n "$win" ] && return 0
        expect_running "while waiting for a window named $1"
        sleep 0.1
    done
    fail "no window named $1"
}

# The value of a text property ($2) of window $1, as xprop quotes it.
property_of() {
    xprop -id "$1" "$2" 2>/dev/null | sed -n 's/^[^=]*= //p'
}

# Presses button $1 at $2 $3, moves by ($4, $5) in five steps, releases.
button_drag() {
    local b=$1 x=$2 y=$3 dx=$4 dy=$5 args=() i
    args=(mousemove "$x" "$y" sleep 0.1 mousedown "$b" sleep 0.2)
    for i in 1 2 3 4 5; do
        args+=(mousemove $((x + dx * i / 5)) $((y + dy * i / 5)) sleep 0.1)
    done
    xdotool "${args[@]}" mouseup "$b" sleep 0.3
}
