# A store and note files that point at a FIFO and at /dev/zero, or ask for an absurd size, open
# at once with the markup shown as text and memory small; the logoff stores every note with its
# text unchanged. Note files that are no regular file, or far too large, give a blank note at once.
source "$(dirname "$0")/lib.sh"
start_display

mkfifo "$E2E_HOME/trap.fifo"
ln -s /dev/zero "$E2E_HOME/zero.png"
img_fifo="&lt;img src=&quot;$E2E_HOME/trap.fifo&quot;&gt;"
img_zero="&lt;img src=&quot;file://$E2E_HOME/zero.png&quot;&gt;"
mkdir -p "$NOTES_DIR"
{
    printf '<?xml version="1.0" standalone="yes"?>\r\n<NOTES>\r\n'
    printf '<NOTE><COLOR>yellow</COLOR><DATA>%s &lt;b&gt;bold?&lt;/b&gt;</DATA>' "$img_fifo"
    printf '<TIMEDATE>%s</TIMEDATE><HEIGHT>2147483647</HEIGHT><WIDTH>2147483647</WIDTH>' "$img_zero"
    printf '<LEFT>1500</LEFT><TOP>1500</TOP></NOTE>\r\n'
    printf '<NOTE><COLOR>&lt;i&gt;mauve</COLOR><DATA>%s</DATA><TIMEDATE>%s</TIMEDATE>' \
        "$img_zero" "$img_fifo"
    printf '<HEIGHT>2865</HEIGHT><WIDTH>3345</WIDTH><LEFT>6000</LEFT><TOP>6000</TOP></NOTE>\r\n'
    printf '</NOTES>\r\n'
} >"$STORE"
# The texts as XML means them (a writer may spell a quote either way).
texts_of() { data_of "$1" | sed 's/&quot;/"/g'; }
data_before=$(texts_of "$STORE")

started=$(date +%s)
start_app
windows 2
[ $(($(date +%s) - started)) -le 5 ] || fail "the notes took $(($(date +%s) - started)) s to open"
sleep 1 # time to paint, and to read anything it wrongly reads
rss=$(awk '/VmRSS/ {print $2}' "/proc/$APP_PID/status")
[ "$rss" -lt 300000 ] || fail "resident memory $rss kB"
for id in "${ids[@]}"; do
    read -r _ _ w h < <(geometry_of "$id")
    [ "$w" -le 1280 ] && [ "$h" -le 1024 ] || fail "a note of $w x $h pixels"
done
screenshot hostile-1-markup-as-text

kill -TERM "$APP_PID"
wait_exit 0
[ "$(texts_of "$STORE")" = "$data_before" ] || fail "note texts changed: $(texts_of "$STORE")"
grep -q '<COLOR>&lt;i&gt;mauve</COLOR>' "$STORE" || fail "the unknown colour was not kept"

# Note files on the command line that are no note file: each gives one blank note at once.
truncate -s 2G "$E2E_HOME/sparse.pnf"
mkfifo "$E2E_HOME/fifo.pnf"
ln -s /dev/zero "$E2E_HOME/zero.pnf"
rm -f "$STORE"
for file in fifo.pnf zero.pnf sparse.pnf; do
    started=$(date +%s%N)
    start_app "$E2E_HOME/$file"
    windows 1
    took=$((($(date +%s%N) - started) / 1000000))
    [ "$took" -lt 3000 ] || fail "$file took $took ms to give a blank note"
    kill -TERM "$APP_PID"
    wait_exit 0
    grep -q '<DATA>\[Note\]</DATA>' "$STORE" || fail "$file did not give a blank note"
    rm -f "$STORE"
done
echo "PASS"
