# A CUPS scheduler in a folder of its own, with one default queue "pinleaf-pdf" that writes each
# job's PDF into <folder>/out. Sourced by the print test and the print benchmark.
#
# start_cups_sandbox <folder>: starts it and exports CUPS_SERVER and CUPSD_PID; on failure
# returns 1 with the reason in CUPS_SANDBOX_ERROR. The caller ends the scheduler by its id.
start_cups_sandbox() {
    local dir=$1 cupsd
    CUPS_SANDBOX_ERROR=
    cupsd=$(command -v cupsd || true)
    [ -n "$cupsd" ] || [ ! -x /usr/sbin/cupsd ] || cupsd=/usr/sbin/cupsd
    if [ -z "$cupsd" ]; then
        CUPS_SANDBOX_ERROR="no CUPS scheduler is installed"
        return 1
    fi
    if [ "$(id -u)" -ne 0 ]; then
        CUPS_SANDBOX_ERROR="a CUPS scheduler with a backend of its own must be started as root"
        return 1
    fi
    mkdir -p "$dir"/{etc,spool,tmp,cache,state,log,out,bin/backend}
    # The scheduler's helpers run as its own user, which must reach these folders.
    chmod 755 "$dir"
    chmod 1777 "$dir/tmp" "$dir/out"
    ln -sfn /usr/lib/cups/filter "$dir/bin/filter"
    ln -sfn /usr/lib/cups/daemon "$dir/bin/daemon"
    cat >"$dir/bin/backend/pdfout" <<'BACKEND'
#!/bin/sh
# Writes each job's document into the folder that the device address names (pdfout:/folder).
if [ $# -eq 0 ]; then echo 'direct pdfout "Unknown" "PDF file writer"'; exit 0; fi
dir=${DEVICE_URI#pdfout:}
if [ -n "$6" ]; then cat "$6"; else cat; fi >"$dir/job-$1.part" && mv "$dir/job-$1.part" "$dir/job-$1.pdf"
BACKEND
    chmod 0700 "$dir/bin/backend/pdfout"
    cat >"$dir/etc/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel info
WebInterface No
Browsing No
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
    cat >"$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
ServerBin $dir/bin
RequestRoot $dir/spool
TempDir $dir/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
CONF
    "$cupsd" -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" >"$dir/log/stdout" 2>&1 &
    CUPSD_PID=$!
    export CUPS_SERVER=$dir/cups.sock CUPSD_PID
    # lpstat -r exits 0 whether or not the scheduler runs; only its words tell.
    scheduler_up() { [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ]; }
    for _ in $(seq 1 100); do
        scheduler_up && break
        sleep 0.1
    done
    if ! scheduler_up; then
        CUPS_SANDBOX_ERROR="the CUPS scheduler did not start: $(cat "$dir"/log/stdout \
            "$dir"/log/error_log 2>/dev/null | tail -n 3)"
        return 1
    fi
    if ! lpadmin -p pinleaf-pdf -E -v "pdfout:$dir/out" -m raw 2>/dev/null ||
        ! lpadmin -d pinleaf-pdf; then
        CUPS_SANDBOX_ERROR="no default queue could be set up"
        return 1
    fi
}
