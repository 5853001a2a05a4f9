#!/bin/sh
# bda-fall and case files: --speichern, DATEI.bda as its script, and --pruefen on equal, differing, broken
# and unreadable files (lines, summary, status).
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
    erwartet="$1
$2
$3"
    shift 3
    timeout 60 "$tool" --pruefen "$@" >"$ordner/aus" 2>"$ordner/err"
    ist="$?
$(cat "$ordner/aus")
$(cat "$ordner/err")"
    [ "$ist" = "$erwartet" ] || scheitern "--pruefen $*: status, stdout and stderr
$ist
expected
$erwartet"
}

t=$(printf '\t')
pruefe 0 "$ordner/a.bda${t}01/09/1993${t}01/09/1993${t}gleich
$ordner/unter/b.bda${t}01/06/1992${t}01/06/1992${t}gleich
2 Dateien geprüft: 2 gleich, 0 abweichend, 0 nicht lesbar" "" "$ordner"

# The experience step: its case file gives the script's JSON too, and the re-check names the stored
# and the recomputed start of Stufe 1 beside the BDA; a stored delay the rules do not give differs.
mkdir "$ordner/stufe"
"$tool" --speichern "$ordner/stufe/e.bda" "$faelle/erfahrungsstufe.txt" || scheitern "--speichern e.bda"
"$tool" "$faelle/erfahrungsstufe.txt" >"$ordner/skript.json"
"$tool" "$ordner/stufe/e.bda" >"$ordner/datei.json" || scheitern "bda-fall e.bda"
cmp -s "$ordner/skript.json" "$ordner/datei.json" || scheitern "e.bda and its script give different JSON"
sed 's|"verzoegerung_monate": 0|"verzoegerung_monate": 3|' "$ordner/stufe/e.bda" >"$ordner/stufe/f.bda"

pruefe 1 "$ordner/stufe/e.bda${t}__/__/____${t}__/__/____${t}01/06/2011${t}01/06/2011${t}gleich
$ordner/stufe/f.bda${t}__/__/____${t}__/__/____${t}01/06/2011${t}01/06/2011${t}abweichend
2 Dateien geprüft: 1 gleich, 1 abweichend, 0 nicht lesbar" "" "$ordner/stufe"
rm -r "$ordner/stufe"

# A stored BDA that the rules no longer give, a file cut short and a file named that is not there: each
# named, the run goes on; a folder's other files are passed over.
sed 's|"bda": "01/09/1993"|"bda": "01/01/2000"|' "$ordner/a.bda" >"$ordner/c.bda"
echo "kein Fall" >"$ordner/notiz.txt"
head -c 300 "$ordner/a.bda" >"$ordner/d.bda"
pruefe 2 "$ordner/a.bda${t}01/09/1993${t}01/09/1993${t}gleich
$ordner/c.bda${t}01/01/2000${t}01/09/1993${t}abweichend
$ordner/unter/b.bda${t}01/06/1992${t}01/06/1992${t}gleich
5 Dateien geprüft: 2 gleich, 1 abweichend, 2 nicht lesbar" \
"bda-fall: Die Datei „$ordner/d.bda“ lässt sich nicht öffnen. Sie bricht mitten im Inhalt ab; vermutlich wurde sie nicht vollständig gespeichert. Bitte eine mit dem BDA-Rechner gespeicherte Falldatei wählen.
bda-fall: Die Datei „$ordner/fehlt.bda“ lässt sich nicht öffnen. Es gibt keine Datei und keinen Ordner dieses Namens. Bitte Ordner und Namen prüfen." \
    "$ordner/a.bda" "$ordner/c.bda" "$ordner/unter" "$ordner/d.bda" "$ordner/fehlt.bda"

# Nothing stops the walk: an entry that cannot be read is named and counted, the rest is checked. "b"
# is a link to itself where a folder could be, which root cannot read either; a FIFO is refused at once,
# not waited on for a writer, named on the command line and in a folder.
baum="$ordner/baum"
mkdir -p "$baum/a" "$baum/c"
cp "$ordner/a.bda" "$baum/a/x.bda"
cp "$ordner/a.bda" "$baum/c/y.bda"
ln -s b "$baum/b"
mkfifo "$baum/a/rohr.bda"
timeout 60 "$tool" "$baum/a/rohr.bda" >/dev/null 2>&1
[ $? -eq 2 ] || scheitern "bda-fall on a FIFO"
pruefe 2 "$baum/a/x.bda${t}01/09/1993${t}01/09/1993${t}gleich
$baum/c/y.bda${t}01/09/1993${t}01/09/1993${t}gleich
4 Dateien geprüft: 2 gleich, 0 abweichend, 2 nicht lesbar" \
"bda-fall: „$baum/a/rohr.bda“ ist eine benannte Pipe (FIFO), keine Falldatei. Bitte eine Datei mit der Endung .bda wählen.
bda-fall: „$baum/b“ lässt sich nicht lesen. Der Name ist eine Verknüpfung, die im Kreis führt. Bitte die Verknüpfung löschen oder auf das richtige Ziel richten." \
    "$baum"

# A file name is bytes: one that is no UTF-8 is written as given.
name=$(printf 'M\374ller.bda')
"$tool" --speichern "$ordner/$name" "$faelle/viertel_und_haelfte.txt" || scheitern "--speichern $name"
[ -f "$ordner/$name" ] || scheitern "--speichern wrote another name than the bytes given"

# A script whose text is no UTF-8 gives no case file, which would not open again.
printf 'name M\374ller\n' | "$tool" --speichern "$ordner/latin1.bda" - 2>/dev/null
[ $? -eq 2 ] && [ ! -e "$ordner/latin1.bda" ] || scheitern "--speichern of a name that is no UTF-8"

# A save that fails exits with status 2 and the German reason.
"$tool" --speichern "$ordner/fehlt/a.bda" "$faelle/wechsel_des_amts.txt" 2>"$ordner/err"
[ $? -eq 2 ] && grep -qF "fehlt“ gibt es nicht. Bitte einen vorhandenen Ordner wählen." "$ordner/err" ||
    scheitern "--speichern into a missing folder: $(cat "$ordner/err")"

exit $fehler
