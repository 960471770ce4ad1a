# Stores that ask too much: markup pointing at a FIFO and /dev/zero and absurd sizes open at once,
# shown as text; note files that are no file give a blank note; a store of 1500 notes, opened a
# batch at a time, is stored whole and in order by a logoff (SIGHUP) half-way.
source "$(dirname "$0")/lib.sh"
start_display

mkfifo "$E2E_HOME/trap.fifo" "$E2E_HOME/fifo.pnf"
ln -s /dev/zero "$E2E_HOME/zero.png" && ln -s /dev/zero "$E2E_HOME/zero.pnf"
truncate -s 2G "$E2E_HOME/sparse.pnf"
img_fifo="&lt;img src=&quot;$E2E_HOME/trap.fifo&quot;&gt;"
img_zero="&lt;img src=&quot;file://$E2E_HOME/zero.png&quot;&gt;"
write_store "yellow|$img_fifo &lt;b&gt;bold?&lt;/b&gt;|2147483647|2147483647|1500|1500|$img_zero" \
    "&lt;i&gt;mauve|$img_zero|2865|3345|6000|6000|$img_fifo"
# The texts as XML means them (a writer may spell a quote either way).
texts_of() { data_of "$1" | sed 's/&quot;/"/g'; }
texts=$(texts_of "$STORE")
started=$(date +%s)
start_app
windows 2
[ $(($(date +%s) - started)) -le 5 ] || fail "the notes took $(($(date +%s) - started)) s to open"
sleep 1 # time to paint, and to read anything it wrongly reads
[ "$(awk '/VmRSS/ {print $2}' "/proc/$APP_PID/status")" -lt 300000 ] || fail "$(grep VmRSS "/proc/$APP_PID/status")"
geometries | awk '$3 > 1280 || $4 > 1024 {exit 1}' || fail "notes larger than the screen: $(geometries)"
screenshot stores-1-markup-as-text
end_app TERM
[ "$(texts_of "$STORE")" = "$texts" ] || fail "note texts changed: $(texts_of "$STORE")"
grep -q '<COLOR>&lt;i&gt;mauve</COLOR>' "$STORE" || fail "the unknown colour was not kept"

# Note files on the command line that are no note file: each gives one blank note at once.
for file in fifo.pnf zero.pnf sparse.pnf; do
    rm -f "$STORE"
    started=$(date +%s%N)
    start_app "$E2E_HOME/$file"
    windows 1
    took=$((($(date +%s%N) - started) / 1000000))
    [ "$took" -lt 3000 ] || fail "$file took $took ms to give a blank note"
    end_app TERM
    [ "$(data_of "$STORE")" = "[Note]" ] || fail "$file did not give a blank note"
done

# A logoff (SIGHUP) while the first windows of 1500 are open stores every note in order.
write_numbered_store 1500 big
start_app
poll 300 eval 'xdotool search --onlyvisible --name "^Pinleaf$" >/dev/null 2>&1'
sleep 0.3
shown=$(xdotool search --onlyvisible --name '^Pinleaf$' 2>/dev/null | wc -l)
started=$(date +%s%N)
end_app HUP
echo "windows shown at the logoff: $shown of 1500, which took $((($(date +%s%N) - started) / 1000000)) ms"
[ "$(data_of "$STORE" | tr '\n' ' ')" = "$(seq 1500 | sed 's/^/big /' | tr '\n' ' ')" ] ||
    fail "the store holds $(data_of "$STORE" | wc -l) notes, not all 1500 in order"
echo "PASS"
