#!/bin/sh
# bda-fall --pdf: both pages of a case as one PDF/A file, read back with poppler; a file that cannot be
# written is refused with its name and reason and leaves nothing; the stored settings stay untouched.
# Usage: pdf.sh PATH-TO-bda-fall FOLDER-OF-THE-CASES
set -u
tool=$1
faelle=$2
fehler=0
ordner=$(mktemp -d)
# A home of the test's own: no stored settings, no legal-remedy text of the clerk's own.
export HOME="$ordner/home" XDG_CONFIG_HOME="$ordner/home/.config" XDG_DATA_HOME="$ordner/home/.local/share"
mkdir -p "$HOME"

falsch() {
    echo "FAIL: $1"
    fehler=1
}

# The whole case: the JSON as without --pdf, two pages, portrait then landscape, the text readable.
"$tool" --pdf "$ordner/bescheid.pdf" "$faelle/bescheid.txt" >"$ordner/aus.json" 2>"$ordner/fehler.txt" ||
    falsch "status $? for the case: $(cat "$ordner/fehler.txt")"
diff -u "$faelle/bescheid.json" "$ordner/aus.json" || falsch "the JSON differs with --pdf"
grep -q "Hinweis" "$ordner/fehler.txt" && falsch "a notice with the whole authority got a hint: $(cat "$ordner/fehler.txt")"
seiten=$(pdfinfo -f 1 -l 9 "$ordner/bescheid.pdf" | sed -n 's/^Page *\([0-9]*\) size: *\([0-9]*\) x \([0-9]*\).*/\1:\2x\3/p' | tr '\n' ' ')
[ "$seiten" = "1:595x842 2:842x595 " ] || falsch "pages '$seiten'"
text=$(pdftotext -layout "$ordner/bescheid.pdf" -)
for gesucht in "Geschäftszeichen: P 12 - 345/2024" "Dr. Erika Mustermann-Schulz" "01/09/1993" "Anna Schmidt"; do
    printf '%s' "$text" | grep -qF -- "$gesucht" || falsch "the PDF text lacks '$gesucht'"
done
[ -z "$(find "$HOME" -type f)" ] || falsch "files written below the home folder: $(find "$HOME" -type f)"

# A letterhead without the authority's address: written, with a hint on stderr that names what is missing.
printf 'datum 0 15/06/1970\ndatum 2 15/06/2008\nname Max Muster\nkopf1 Bundesamt\nbehoerdenort 50728 Köln\n' |
    "$tool" --pdf "$ordner/ohne-kopf.pdf" >/dev/null 2>"$ordner/fehler.txt" || falsch "status $? without the street"
grep -qF "Hinweis: " "$ordner/fehler.txt" || falsch "no hint: $(cat "$ordner/fehler.txt")"
[ -s "$ordner/ohne-kopf.pdf" ] || falsch "no PDF without the street"

# Nothing written where it cannot be: status 1, the file and the reason named, no JSON, no file.
touch "$ordner/akte"
vorher=$(ls -AR "$ordner")
pruefe() {  # file, script, expected piece of the message
    printf '%b' "$2" | "$tool" --pdf "$1" >"$ordner/aus.json" 2>"$ordner/fehler.txt"
    status=$?
    [ "$status" -eq 1 ] && [ ! -s "$ordner/aus.json" ] && grep -qF -- "$3" "$ordner/fehler.txt" &&
        [ "$(ls -AR "$ordner")" = "$vorher" ] || falsch "--pdf $1: status $status, stderr '$(cat "$ordner/fehler.txt")'"
}
pruefe "$ordner/akte/b.pdf" 'datum 0 15/06/1970\ndatum 2 15/06/2008\n' \
    "„$ordner/akte“ ist eine Datei, kein Ordner."
pruefe "$ordner/b.pdf" 'datum 0 15/06/1970\n' "Bitte vorher Daten eingeben: Datum(2) fehlt"

rm -rf "$ordner"
exit $fehler
