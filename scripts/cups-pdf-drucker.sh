#!/bin/sh
# Makes a cups-pdf queue named BDA-PDF the default printer, for the end-to-end print tests: starts
# cupsd when it is not running and adds the queue once. cups-pdf writes each job to ~/PDF of the
# user who printed.
set -eu
as_root=""
[ "$(id -u)" -eq 0 ] || as_root="sudo"
cups_laeuft() { [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ]; }

if ! cups_laeuft; then
    $as_root /usr/sbin/cupsd
    for _ in $(seq 30); do
        cups_laeuft && break
        sleep 1
    done
fi
if ! lpstat -p BDA-PDF >/dev/null 2>&1; then
    $as_root lpadmin -p BDA-PDF -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
fi
$as_root lpadmin -d BDA-PDF
