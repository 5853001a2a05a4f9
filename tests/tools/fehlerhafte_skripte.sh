#!/bin/sh
# Scripts bda-fall cannot read: exit status 2, the line number on stderr, no JSON on stdout.
# Usage: fehlerhafte_skripte.sh PATH-TO-bda-fall
set -u
tool=$1
fehler=0

pruefe() {  # script, expected piece of the error message
    ausgabe=$(printf '%b' "$1" | "$tool" 2>/tmp/bda-fall-stderr.$$)
    status=$?
    meldung=$(cat /tmp/bda-fall-stderr.$$)
    if [ "$status" -ne 2 ] || [ -n "$ausgabe" ] || ! printf '%s' "$meldung" | grep -qF -- "$2"; then
        echo "FAIL: script '$1': status $status, stderr '$meldung', expected '$2'"
        fehler=1
    fi
}

pruefe 'tanzen 3\n' 'Zeile 1: unbekannte Aktion "tanzen"'
pruefe '\n# comment\ndatum 25 01/01/2000\n' 'Zeile 3: Datum "25" gibt es nicht (0 bis 24)'
pruefe 'datum 0 15/06/1970\ndatum 3\n' 'Zeile 2: Datum(3) braucht zehn Zeichen'
pruefe 'datum 2 1/1/2000\n' 'Zeile 1: Datum(2) braucht zehn Zeichen'
pruefe 'amt\n' 'Zeile 1: es fehlt die Nummer von Eingangsamt'
pruefe 'amt -1\n' 'Zeile 1: Eingangsamt "-1" gibt es nicht (0 bis 4)'
pruefe 'amt 5\n' 'Zeile 1: Eingangsamt "5" gibt es nicht'
pruefe 'eingabe 8 Elternzeit\n' 'Zeile 1: Eingabe "8" gibt es nicht (0 bis 7)'
pruefe 'eingabe x\n' 'Zeile 1: Eingabe "x" gibt es nicht'
pruefe 'datum 0 29.02.1972\n' 'Zeile 1: Datum(0) braucht zehn Zeichen wie 15/06/1970'
pruefe 'datum 0 29/02#1972\n' 'Zeile 1: Datum(0) braucht zehn Zeichen'
pruefe 'datum 0 2a/02/1972\n' 'Zeile 1: Datum(0) braucht zehn Zeichen'
pruefe 'datum 0 15/06/1970 Enter\n' 'Zeile 1: am Ende der Zeile steht zu viel: "Enter"'
pruefe 'amt 1 2\n' 'Zeile 1: am Ende der Zeile steht zu viel: "2"'
lang=$(printf 'x%.0s' $(seq 100))
pruefe "$lang\\n" "Zeile 1: unbekannte Aktion \"$(printf 'x%.0s' $(seq 60))…\" (amt"

# A folder is no script.
ordner=$(mktemp -d)
"$tool" "$ordner" >/tmp/bda-fall-stdout.$$ 2>/tmp/bda-fall-stderr.$$
status=$?
if [ "$status" -ne 2 ] || [ -s /tmp/bda-fall-stdout.$$ ] || ! grep -qF "ist ein Ordner" /tmp/bda-fall-stderr.$$; then
    echo "FAIL: folder as script: status $status, stderr '$(cat /tmp/bda-fall-stderr.$$)'"
    fehler=1
fi
rmdir "$ordner"
rm -f /tmp/bda-fall-stdout.$$

rm -f /tmp/bda-fall-stderr.$$
exit $fehler
