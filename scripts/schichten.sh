#!/bin/sh
# Checks the include graph against the layers: core includes only core and the standard library (no
# Qt), print includes core, datei includes core, window includes core, print and datei, tools includes
# core, print and datei, app includes window. A header found in several folders is an error too.
# Usage: schichten.sh [SOURCE-FOLDER]
set -eu
cd "${1:-$(dirname "$0")/..}"

erlaubt() {  # layer -> the layers it may include
    case $1 in
        core) echo "core" ;;
        print) echo "core print" ;;
        datei) echo "core datei" ;;
        window) echo "core print datei window" ;;
        tools) echo "core print datei tools" ;;
        app) echo "core print datei window app" ;;
    esac
}

fehler=0
for schicht in core print datei window tools app; do
    [ -d "$schicht" ] || continue
    for datei in $(find "$schicht" -name '*.h' -o -name '*.cpp'); do
        for kopf in $(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$datei"); do
            fundorte=$(find core print datei window tools app -name "$(basename "$kopf")" 2>/dev/null | cut -d/ -f1 | sort -u)
            [ -n "$fundorte" ] || continue  # a generated header (moc, resources)
            if [ "$(echo "$fundorte" | wc -l)" -gt 1 ]; then
                echo "$datei: $kopf liegt in mehreren Ordnern: $fundorte"
                fehler=1
                continue
            fi
            case " $(erlaubt "$schicht") " in
                *" $fundorte "*) ;;
                *)
                    echo "$datei: $schicht darf $kopf aus $fundorte nicht einbinden"
                    fehler=1
                    ;;
            esac
        done
        if [ "$schicht" = core ] && grep -q '^#include <Q' "$datei"; then
            echo "$datei: der Kern bindet Qt ein"
            fehler=1
        fi
    done
done
[ "$fehler" -eq 0 ] && echo "Schichten: in Ordnung"
exit "$fehler"
