# "&Print" from a note's real menu hands a job to the default printer: a CUPS scheduler of the
# test's own, in a temporary folder, whose default queue writes each job's PDF into a folder.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/cups_sandbox.sh"
SPOOL=$E2E_HOME/cups CUPSD_PID=
# The scheduler's own exit status must not become the test's (a skip must stay 77).
trap '{ [ -n "$CUPSD_PID" ] && kill "$CUPSD_PID" 2>/dev/null && wait "$CUPSD_PID" 2>/dev/null; } || true; cleanup' EXIT
chmod 755 "$E2E_HOME"
start_cups_sandbox "$SPOOL" || skip "$CUPS_SANDBOX_ERROR"

start_display
start_app
windows 1
type_into "$win" "Printed through CUPS"
read -r x y w h <<<"$(geometry_of "$win")"
# The main menu: New, Open, Special Note, Save, Save As, Email Content, then Print.
xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 3 sleep 0.5
screenshot print-1-menu
xdotool key Down Down Down Down Down Down Down Return
poll 100 eval 'ls "$SPOOL"/out/job-*.pdf >/dev/null 2>&1' ||
    fail "no job reached the printer: $(lpstat -W all -o 2>&1 | tail -n 3)"
job=$(ls "$SPOOL"/out/job-*.pdf | head -n 1)
lpstat -W completed -o pinleaf-pdf | grep -q pinleaf-pdf || fail "the job is not among the completed jobs"
[ "$(pdfinfo "$job" | awk '/^Pages:/ {print $2}')" = 1 ] || fail "the job is not one page"
pdftotext "$job" - | grep -q "Printed through CUPS" || fail "the job lacks the note's text"
pdftoppm -r 50 -png -singlefile "$job" "$ARTIFACTS/print-2-page"
end_app TERM
echo "PASS"
