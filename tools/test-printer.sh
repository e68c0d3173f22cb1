#!/usr/bin/env bash
# A print queue for the printing tests: CUPS with a printer "PDF" (cups-pdf) that writes
# each job as a PDF file to ~/PDF, set as the default printer.
#   tools/test-printer.sh start   starts cupsd unless one runs, adds the printer
#   tools/test-printer.sh stop    stops the cupsd that "start" started, and only that one
# There is no service manager to ask, so cupsd runs in the foreground of a background job
# whose process id is kept in a file.
set -euo pipefail

pid_file="${TMPDIR:-/tmp}/orlavine-test-cupsd.pid"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo -n)
fi

scheduler_runs() { lpstat -r 2>/dev/null | grep -q 'is running'; }

start() {
    if ! scheduler_runs; then
        "${as_root[@]}" /usr/sbin/cupsd -f >/dev/null 2>&1 &
        echo $! >"$pid_file"
        for _ in $(seq 50); do
            scheduler_runs && break
            sleep 0.2
        done
        if ! scheduler_runs; then
            echo "test-printer: cupsd did not start" >&2
            exit 1
        fi
    fi
    # The default PDF-to-PostScript step turns text into drawn glyphs that cannot be read
    # back from the PDF file; the cairo one keeps it as text.
    "${as_root[@]}" lpadmin -p PDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd \
        -o pdftops-renderer-default=pdftocairo -E 2>/dev/null
    "${as_root[@]}" lpadmin -d PDF
}

stop() {
    [ -f "$pid_file" ] || return 0
    local pid
    pid="$(cat "$pid_file")"
    rm -f "$pid_file"
    if kill -0 "$pid" 2>/dev/null; then
        "${as_root[@]}" kill "$pid"
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
    fi
}

case "${1:-}" in
start) start ;;
stop) stop ;;
*)
    echo "usage: $0 start|stop" >&2
    exit 2
    ;;
esac
