# A large store opens a batch of windows at a time from the event loop: a logoff in the middle of
# it is heard at once and stores every note, shown or not, in order.
source "$(dirname "$0")/lib.sh"
start_display

count=1500
mkdir -p "$NOTES_DIR"
{
    printf '<?xml version="1.0" standalone="yes"?>\r\n<NOTES>\r\n'
    for i in $(seq 1 $count); do
        printf '<NOTE><COLOR>grey</COLOR><DATA>big %s</DATA><TIMEDATE>t</TIMEDATE>' "$i"
        printf '<HEIGHT>1500</HEIGHT><WIDTH>2400</WIDTH><LEFT>%s</LEFT><TOP>%s</TOP></NOTE>\r\n' \
            $((i % 60 * 240)) $((i % 50 * 200))
    done
    printf '</NOTES>\r\n'
} >"$STORE"

start_app
for _ in $(seq 1 300); do
    xdotool search --onlyvisible --name '^Pinleaf$' >/dev/null 2>&1 && break
    sleep 0.1
done
sleep 0.3
shown=$(xdotool search --onlyvisible --name '^Pinleaf$' 2>/dev/null | wc -l)
kill -TERM "$APP_PID"
started=$(date +%s%N)
wait_exit 0
took=$((($(date +%s%N) - started) / 1000000))
echo "windows shown at the logoff: $shown of $count; the logoff took $took ms"
[ "$shown" -lt "$count" ] || echo "note: every window was open before the logoff"
order=$(data_of "$STORE" | tr '\n' ' ')
[ "$order" = "$(seq 1 $count | sed 's/^/big /' | tr '\n' ' ')" ] ||
    fail "the store holds $(data_of "$STORE" | wc -l) notes, not all $count in order"
echo "PASS"
