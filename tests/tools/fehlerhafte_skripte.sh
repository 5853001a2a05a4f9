#!/bin/sh
# Scripts bda-fall cannot read: exit status 2, the line number on stderr, no JSON on stdout, and no
# PDF file although one was asked for.
# Usage: fehlerhafte_skripte.sh PATH-TO-bda-fall
set -u
tool=$1
fehler=0
pdfordner=$(mktemp -d)

pruefe() {  # script, expected piece of the error message
    ausgabe=$(printf '%b' "$1" | "$tool" --pdf "$pdfordner/fall.pdf" 2>/tmp/bda-fall-stderr.$$)
    status=$?
    [ "$status" -eq 2 ] && [ -z "$ausgabe$(ls -A "$pdfordner")" ] && grep -qF -- "$2" /tmp/bda-fall-stderr.$$ ||
        { echo "FAIL: '$1': status $status, stderr '$(cat /tmp/bda-fall-stderr.$$)', expected '$2'"; fehler=1; }
}

pruefe 'tanzen 3\n' 'Zeile 1: unbekannte Aktion "tanzen"'
pruefe '\n# comment\ndatum 25 01/01/2000\n' 'Zeile 3: Datum "25" gibt es nicht (0 bis 24)'
pruefe 'datum 0 15/06/1970\ndatum 3\n' 'Zeile 2: Datum(3) braucht zehn Zeichen'
pruefe 'amt\n' 'Zeile 1: es fehlt die Nummer von Eingangsamt'
pruefe 'amt 5\n' 'Zeile 1: Eingangsamt "5" gibt es nicht'
pruefe 'eingabe 8 Elternzeit\n' 'Zeile 1: Eingabe "8" gibt es nicht (0 bis 7)'
pruefe 'datum 0 29.02.1972\n' 'Zeile 1: Datum(0) braucht zehn Zeichen wie 15/06/1970'
pruefe 'datum 0 15/06/1970 Enter\n' 'Zeile 1: am Ende der Zeile steht zu viel: "Enter"'
pruefe 'datum 023 01/01/1960\n' 'Zeile 1: Datum "023" gibt es nicht (0 bis 24)'
pruefe 'amt 01\n' 'Zeile 1: Eingangsamt "01" gibt es nicht'
pruefe 'eingabe -0 Elternzeit\n' 'Zeile 1: Eingabe "-0" gibt es nicht'

# The experience step: a bad grade, kind or date; each word of an action where it belongs.
pruefe 'stufe amt A 1\n' 'Zeile 1: stufe amt: das Amt "A 1" gibt es nicht (A 2 bis A 16)'
pruefe 'stufe amt A 16\nstufe amt A 17\n' 'Zeile 2: stufe amt: das Amt "A 17" gibt es nicht'
pruefe 'stufe einfach vielleicht\n' 'Zeile 1: stufe einfach braucht ja oder nein, nicht "vielleicht"'
pruefe 'stufe ernennung 31/02/2012\n' 'Zeile 1: stufe ernennung: Den 31/02/2012 gibt es nicht.'
pruefe 'stufe ernennung 15/03/____\n' 'Zeile 1: stufe ernennung braucht ein Datum wie 15/03/2012, nicht "15/03/____"'
pruefe 'stufe zeitraum 01/01/2000 01/01/2041 hauptberuflich\n' 'Zeile 1: stufe zeitraum, Ende: Das Datum 01/01/2041 ist ungültig.'
pruefe 'stufe zeitraum 01/01/2000 31/12/2000 urlaub\n' 'Zeile 1: stufe zeitraum: die Art "urlaub" gibt es nicht (hauptberuflich, soldat, wehrdienst, verfolgung, kinderbetreuung, pflege, foerderlich, ohne_bezuege, beurlaubung_dienstlich)'
pruefe 'stufe zeitraum 01/01/2000 31/12/2000 hauptberuflich anerkannt\n' 'Zeile 1: stufe zeitraum: anerkannt gibt es nur bei foerderlich'
pruefe 'stufe zeitraum 01/01/2000 31/12/2000 pflege Mutter Vater\n' 'Zeile 1: am Ende der Zeile steht zu viel: "Vater"'
pruefe 'stufe zeitraum 01/01/2000 31/12/2000 soldat Anna\n' 'Zeile 1: stufe zeitraum: eine Person ("Anna") gibt es nur bei kinderbetreuung und pflege'
pruefe "$(printf 'stufe zeitraum 01/01/2000 31/12/2000 pflege\\n%.0s' $(seq 41))" 'Zeile 41: stufe zeitraum: ein Fall hat höchstens 40 Zeiträume'
pruefe 'stufe tanzen\n' 'Zeile 1: stufe "tanzen" gibt es nicht (amt, einfach, ernennung oder zeitraum)'

# The notice data: lengths in characters (an umlaut is one) on both sides of each limit, codes, dates, years.
zeichen() { printf "$1%.0s" $(seq "$2"); }
while read -r feld laenge z; do
    pruefe "$feld $(zeichen "$z" $((laenge + 1)))\\n" "Zeile 1: $feld: der Text hat $((laenge + 1)) Zeichen, erlaubt sind $laenge"
    printf '%s %s\n' "$feld" "$(zeichen "$z" "$laenge")" | "$tool" >/dev/null 2>&1 || { echo "FAIL: $feld of $laenge refused"; fehler=1; }
done <<EOF
kopf1 39 x
kopf2 40 ä
behoerdenstrasse 40 ß
behoerdenort 40 ü
anschrift1 30 ß
anschrift2 30 x
dienstanschrift 40 x
geschaeftszeichen 40 x
unterschrift1 30 x
unterschrift2 30 x
EOF
pruefe 'anrede x\n' 'Zeile 1: Anrede "x" gibt es nicht (b, c, d oder -)'
pruefe 'anrede B\n' 'Zeile 1: Anrede "B" gibt es nicht'
pruefe 'anrede\n' 'Zeile 1: es fehlt die Anrede (b, c, d oder -)'
pruefe 'anschriftfeld C\n' 'Zeile 1: Anschriftfeld "C" gibt es nicht (A oder B)'
pruefe 'anschriftfeld\n' 'Zeile 1: es fehlt die Form des Anschriftfelds (A oder B)'
pruefe '# Kopf\nbescheiddatum 31/02/2024\n' 'Zeile 2: Das Bescheiddatum „31/02/2024“ ist kein gültiges Datum vom 01/01/1930 bis 31/12/2040.'
pruefe 'bescheiddatum 01/01/2041\n' 'Zeile 1: Das Bescheiddatum „01/01/2041“ ist kein gültiges Datum'
pruefe 'bescheiddatum 1.1.2024\n' 'Zeile 1: bescheiddatum braucht zehn Zeichen wie 15/06/2024, nicht "1.1.2024"'
pruefe 'bezugsjahr 1929\n' 'Zeile 1: Das Bezugsjahr „1929“ ist kein Jahr von 1930 bis 2040.'
pruefe 'bezugsjahr 2041\n' 'Zeile 1: Das Bezugsjahr „2041“ ist kein Jahr'
pruefe 'bezugsjahr 20x4\n' 'Zeile 1: Das Bezugsjahr „20x4“ ist kein Jahr'
pruefe 'bezugsjahr 20045\n' 'Zeile 1: bezugsjahr braucht vier Ziffern wie 2004, nicht "20045"'

# A folder is no script.
ordner=$(mktemp -d)
ausgabe=$("$tool" "$ordner" 2>/tmp/bda-fall-stderr.$$)
status=$?
[ "$status" -eq 2 ] && [ -z "$ausgabe" ] && grep -qF "ist ein Ordner" /tmp/bda-fall-stderr.$$ ||
    { echo "FAIL: folder as script: status $status, stderr '$(cat /tmp/bda-fall-stderr.$$)'"; fehler=1; }
rmdir "$ordner"

rm -f /tmp/bda-fall-stderr.$$
rmdir "$pdfordner"
exit $fehler
