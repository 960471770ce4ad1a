# start_cups_sandbox <folder>: a CUPS scheduler in a folder of its own whose one default queue
# "pinleaf-pdf" writes each job's PDF into <folder>/out; exports CUPS_SERVER and CUPSD_PID (the
# caller ends it by its id). On failure returns 1 with the reason in CUPS_SANDBOX_ERROR.
start_cups_sandbox() {
    local dir=$1 cupsd
    cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
    CUPS_SANDBOX_ERROR="no CUPS scheduler is installed"
    [ -x "$cupsd" ] || return 1
    CUPS_SANDBOX_ERROR="a CUPS scheduler with a backend of its own must be started as root"
    [ "$(id -u)" -eq 0 ] || return 1
    mkdir -p "$dir"/{etc,spool,tmp,cache,state,log,out,bin/backend}
    # The scheduler's helpers run as its own user, which must reach these folders.
    chmod 755 "$dir" && chmod 1777 "$dir/tmp" "$dir/out"
    ln -sfn /usr/lib/cups/filter /usr/lib/cups/daemon "$dir/bin/"
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
    for _ in $(seq 100); do
        [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ] && break || sleep 0.1
    done
    CUPS_SANDBOX_ERROR="the CUPS scheduler did not start: $(tail -n 3 "$dir"/log/stdout "$dir"/log/error_log 2>&1)"
    [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ] || return 1
    CUPS_SANDBOX_ERROR="no default queue could be set up"
    lpadmin -p pinleaf-pdf -E -v "pdfout:$dir/out" -m raw 2>/dev/null && lpadmin -d pinleaf-pdf
}
