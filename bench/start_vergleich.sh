#!/bin/sh
# Start-up against the floor of Qt: starts the bare window (start_vergleich) and the program
# (bda-rechner --nach-start-beenden) alternately, 20 pairs, each ending after its first frame, and
# prints the median ratios program/bare of cpu time (user + system) and wall time, and the median peak
# RSS of both. Usage: bench/start_vergleich.sh [build folder]; the platform is QT_QPA_PLATFORM
# (offscreen unless set).
set -eu
bau=${1:-build}
nackt="$bau/bench/start_vergleich"
messen="$bau/bench/startmessung"
programm="$bau/app/bda-rechner"
paare=20
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
# The program's settings go to a folder of its own, so no stored window placement is read.
export XDG_CONFIG_HOME="$(mktemp -d)"
trap 'rm -rf "$XDG_CONFIG_HOME" "$messung"' EXIT
messung=$(mktemp)

# One run: "wall cpu rss" (seconds, seconds, KiB).
lauf() { "$messen" "$@" 2>/dev/null; }

"$nackt" >/dev/null 2>&1 || true  # warm the file cache for both
"$programm" --nach-start-beenden >/dev/null 2>&1 || true
i=0
while [ $i -lt $paare ]; do
    echo "$(lauf "$nackt") $(lauf "$programm" --nach-start-beenden)" >>"$messung"
    i=$((i + 1))
done

median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2) }'; }
# Columns: bare wall, cpu, rss, then the program's.
printf 'pairs: %d, platform: %s\n' "$paare" "$QT_QPA_PLATFORM"
printf 'median cpu ratio:  %.3f\n' "$(awk '{ print ($2 > 0 ? $5 / $2 : 0) }' "$messung" | median)"
printf 'median wall ratio: %.3f\n' "$(awk '{ print ($1 > 0 ? $4 / $1 : 0) }' "$messung" | median)"
printf 'peak RSS bare:     %d KiB\n' "$(awk '{ print $3 }' "$messung" | median)"
printf 'peak RSS program:  %d KiB\n' "$(awk '{ print $6 }' "$messung" | median)"
printf 'RSS ratio:         %.3f\n' "$(awk '{ print $6 / $3 }' "$messung" | median)"
