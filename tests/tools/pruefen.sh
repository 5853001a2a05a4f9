#!/bin/sh
# bda-fall and case files: --speichern writes a script's case, DATEI.bda gives the script's JSON, and
# --pruefen re-checks a folder with equal, differing and broken files (lines, summary, exit status).
# Usage: pruefen.sh PATH-TO-bda-fall FOLDER-OF-SCRIPTS
set -u
tool=$1
faelle=$2
fehler=0
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT

scheitern() {
    echo "FAIL: $1"
    fehler=1
}

"$tool" --speichern "$ordner/a.bda" "$faelle/viertel_und_haelfte.txt" || scheitern "--speichern a.bda"
mkdir "$ordner/unter"
"$tool" --speichern "$ordner/unter/b.bda" "$faelle/wechsel_des_amts.txt" || scheitern "--speichern b.bda"

# The case file gives the same state as its script, focus and messages included.
"$tool" "$faelle/viertel_und_haelfte.txt" >"$ordner/skript.json"
"$tool" "$ordner/a.bda" >"$ordner/datei.json" || scheitern "bda-fall a.bda"
cmp -s "$ordner/skript.json" "$ordner/datei.json" || scheitern "a.bda and its script give different JSON"

# A script it cannot read writes no file.
printf 'datum 0 15.06.1970\n' >"$ordner/kaputt.txt"
"$tool" --speichern "$ordner/x.bda" "$ordner/kaputt.txt" 2>/dev/null
[ $? -eq 2 ] && [ ! -e "$ordner/x.bda" ] || scheitern "--speichern of a broken script"

pruefe() {  # expected status, expected stdout, expected stderr; the rest: the arguments
    status=$1 aus=$2 err=$3
    shift 3
    "$tool" --pruefen "$@" >"$ordner/aus" 2>"$ordner/err"
    ist=$?
    [ "$ist" -eq "$status" ] || scheitern "--pruefen $*: status $ist, expected $status"
    [ "$(cat "$ordner/aus")" = "$aus" ] || scheitern "--pruefen $*: stdout
$(cat "$ordner/aus")
expected
$aus"
    [ "$(cat "$ordner/err")" = "$err" ] || scheitern "--pruefen $*: stderr
$(cat "$ordner/err")
expected
$err"
}

t=$(printf '\t')
pruefe 0 "$ordner/a.bda${t}01/09/1993${t}01/09/1993${t}gleich
$ordner/unter/b.bda${t}01/06/1992${t}01/06/1992${t}gleich
2 Dateien geprüft: 2 gleich, 0 abweichend, 0 nicht lesbar" "" "$ordner"

pruefe 0 "$ordner/a.bda${t}01/09/1993${t}01/09/1993${t}gleich
1 Datei geprüft: 1 gleich, 0 abweichend, 0 nicht lesbar" "" "$ordner/a.bda"

# A stored BDA that the rules no longer give.
sed 's|"bda": "01/09/1993"|"bda": "01/01/2000"|' "$ordner/a.bda" >"$ordner/c.bda"
echo "kein Fall" >"$ordner/notiz.txt"
pruefe 1 "$ordner/a.bda${t}01/09/1993${t}01/09/1993${t}gleich
$ordner/c.bda${t}01/01/2000${t}01/09/1993${t}abweichend
$ordner/unter/b.bda${t}01/06/1992${t}01/06/1992${t}gleich
3 Dateien geprüft: 2 gleich, 1 abweichend, 0 nicht lesbar" "" "$ordner"

# A file cut short and a file named that is not there: both named, the run goes on.
head -c 300 "$ordner/a.bda" >"$ordner/d.bda"
pruefe 2 "$ordner/a.bda${t}01/09/1993${t}01/09/1993${t}gleich
$ordner/c.bda${t}01/01/2000${t}01/09/1993${t}abweichend
$ordner/unter/b.bda${t}01/06/1992${t}01/06/1992${t}gleich
5 Dateien geprüft: 2 gleich, 1 abweichend, 2 nicht lesbar" \
"bda-fall: Die Datei „$ordner/d.bda“ lässt sich nicht öffnen. Sie bricht mitten im Inhalt ab; vermutlich wurde sie nicht vollständig gespeichert. Bitte eine mit dem BDA-Rechner gespeicherte Falldatei wählen.
bda-fall: Die Datei „$ordner/fehlt.bda“ lässt sich nicht öffnen. Es gibt sie nicht. Bitte Ordner und Namen prüfen." \
    "$ordner/a.bda" "$ordner/c.bda" "$ordner/unter" "$ordner/d.bda" "$ordner/fehlt.bda"

exit $fehler
