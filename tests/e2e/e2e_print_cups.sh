# "&Print" from a note's real menu hands a job to the default printer: a CUPS scheduler of the
# test's own, in a temporary folder, whose default queue writes each job's PDF into a folder.
source "$(dirname "$0")/lib.sh"
skip() {
    echo "SKIPPED: $*"
    exit 77
}
command -v cupsd >/dev/null || command -v /usr/sbin/cupsd >/dev/null || skip "no CUPS scheduler is installed"
CUPSD=$(command -v cupsd || echo /usr/sbin/cupsd)
[ "$(id -u)" -eq 0 ] || skip "a CUPS scheduler with a backend of its own must be started as root"

SPOOL=$E2E_HOME/cups
mkdir -p "$SPOOL"/{etc,spool,tmp,cache,state,log,out,bin/backend}
# The scheduler's helpers run as its own user, which must reach these folders.
chmod 755 "$E2E_HOME" "$SPOOL"
chmod 1777 "$SPOOL/tmp" "$SPOOL/out"
ln -s /usr/lib/cups/filter "$SPOOL/bin/filter"
ln -s /usr/lib/cups/daemon "$SPOOL/bin/daemon"
cat >"$SPOOL/bin/backend/pdfout" <<'BACKEND'
#!/bin/sh
# Writes each job's document into the folder that the device address names (pdfout:/folder).
if [ $# -eq 0 ]; then echo 'direct pdfout "Unknown" "PDF file writer"'; exit 0; fi
dir=${DEVICE_URI#pdfout:}
if [ -n "$6" ]; then cat "$6"; else cat; fi >"$dir/job-$1.part" && mv "$dir/job-$1.part" "$dir/job-$1.pdf"
BACKEND
chmod 0700 "$SPOOL/bin/backend/pdfout"
cat >"$SPOOL/etc/cupsd.conf" <<CONF
Listen $SPOOL/cups.sock
LogLevel info
WebInterface No
Browsing No
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
cat >"$SPOOL/etc/cups-files.conf" <<CONF
ServerRoot $SPOOL/etc
ServerBin $SPOOL/bin
RequestRoot $SPOOL/spool
TempDir $SPOOL/tmp
CacheDir $SPOOL/cache
StateDir $SPOOL/state
ErrorLog $SPOOL/log/error_log
AccessLog $SPOOL/log/access_log
PageLog $SPOOL/log/page_log
CONF
"$CUPSD" -f -c "$SPOOL/etc/cupsd.conf" -s "$SPOOL/etc/cups-files.conf" >"$SPOOL/log/stdout" 2>&1 &
CUPSD_PID=$!
trap 'kill "$CUPSD_PID" 2>/dev/null || true; cleanup' EXIT
export CUPS_SERVER=$SPOOL/cups.sock
for _ in $(seq 1 50); do
    [ -S "$CUPS_SERVER" ] && lpstat -r >/dev/null 2>&1 && break
    sleep 0.1
done
lpstat -r >/dev/null 2>&1 ||
    skip "the CUPS scheduler did not start: $(cat "$SPOOL/log/stdout" "$SPOOL/log/error_log" 2>/dev/null | tail -n 3)"
lpadmin -p pinleaf-pdf -E -v "pdfout:$SPOOL/out" -m raw 2>/dev/null || skip "no queue could be added"
lpadmin -d pinleaf-pdf || skip "the queue could not be made the default"

start_display
start_app
note=$(wait_windows 1)
type_into "$note" "Printed through CUPS"
read -r x y w h <<<"$(geometry_of "$note")"
# The main menu: New, Open, Special Note, Save, Save As, Email Content, then Print.
xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 3 sleep 0.5
screenshot print-1-menu
xdotool key Down Down Down Down Down Down Down Return
for _ in $(seq 1 100); do
    ls "$SPOOL"/out/job-*.pdf >/dev/null 2>&1 && break
    sleep 0.1
done
job=$(ls "$SPOOL"/out/job-*.pdf 2>/dev/null | head -n 1)
[ -n "$job" ] || fail "no job reached the printer: $(lpstat -W all -o 2>&1 | tail -n 3)"
lpstat -W completed -o pinleaf-pdf | grep -q pinleaf-pdf || fail "the job is not among the completed jobs"
[ "$(pdfinfo "$job" | awk '/^Pages:/ {print $2}')" = 1 ] || fail "the job is not one page"
pdftotext "$job" - | grep -q "Printed through CUPS" || fail "the job lacks the note's text"
pdftoppm -r 50 -png -singlefile "$job" "$ARTIFACTS/print-2-page"
kill -TERM "$APP_PID"
wait_exit 0
echo "PASS"
