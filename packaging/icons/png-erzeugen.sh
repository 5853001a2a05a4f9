#!/bin/sh
# Renders the checked-in PNG icons from the SVG. Run by hand after changing the SVG (needs
# rsvg-convert from librsvg2-bin); the build only copies the results.
set -eu
cd "$(dirname "$0")"
for groesse in 16 32 48 64 128 256; do
    rsvg-convert -w "$groesse" -h "$groesse" -o "$groesse.png" de.bdarechner.BdaRechner.svg
done
