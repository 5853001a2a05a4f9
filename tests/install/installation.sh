#!/bin/sh
# Installs the build into a temporary DESTDIR under /usr and checks the result as a desktop would see
# it: the files in place, the desktop entry, AppStream data and MIME type valid, bda-fall and the
# window working from the installed files only.
# Usage: installation.sh CMAKE BUILD-FOLDER CASE-FOLDER ID VERSION
set -u
cmake=$1 build=$2 faelle=$3 id=$4 version=$5
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
ziel=$tmp/ziel
share=$ziel/usr/share
fehler=0
falsch() {
    echo "FEHLER: $*"
    fehler=1
}

if ! DESTDIR=$ziel "$cmake" --install "$build" --prefix /usr >"$tmp/install.log" 2>&1; then
    cat "$tmp/install.log"
    echo "FEHLER: cmake --install ist gescheitert"
    exit 1
fi

for datei in \
    bin/bda-rechner bin/bda-fall \
    share/icons/hicolor/scalable/apps/$id.svg \
    share/man/man1/bda-fall.1 share/man/man1/bda-rechner.1 \
    share/doc/bda-rechner/copyright share/doc/bda-rechner/changelog; do
    [ -f "$ziel/usr/$datei" ] || falsch "/usr/$datei fehlt"
    case $datei in bin/*) [ -x "$ziel/usr/$datei" ] || falsch "/usr/$datei ist nicht ausführbar" ;; esac
done
# A PNG gives its width and height as 32-bit numbers at bytes 16 and 20; both must match its folder.
for g in 16 32 48 64 128 256; do
    masse=$(od -An -tu1 -j16 -N8 "$share/icons/hicolor/${g}x$g/apps/$id.png" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }')
    [ "$masse" = "${g}x$g" ] || falsch "$id.png in ${g}x$g fehlt oder ist $masse groß"
done
find "$ziel" -mindepth 1 -maxdepth 1 ! -name usr | grep . && falsch "Dateien außerhalb von /usr"

desktop=$share/applications/$id.desktop
meldung=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$meldung" ] ||
    falsch "desktop-file-validate: $meldung"
# What the desktop needs to start the program on a case file.
for zeile in "Exec=bda-rechner %f" "MimeType=application/x-bda-fall+json;"; do
    grep -qxF "$zeile" "$desktop" || falsch "$id.desktop hat keine Zeile '$zeile'"
done

# The tree check validates the metainfo and finds the desktop entry it launches.
appstreamcli validate-tree --no-net --strict "$ziel" >"$tmp/as.log" 2>&1 ||
    { cat "$tmp/as.log"; falsch "appstreamcli validate-tree"; }
grep -qF "<release version=\"$version\"" "$share/metainfo/$id.metainfo.xml" ||
    falsch "$id.metainfo.xml hat keine Ausgabe $version"
head -n1 "$share/doc/bda-rechner/changelog" | grep -qF "bda-rechner ($version)" ||
    falsch "changelog beginnt nicht mit Version $version"

# The MIME cache built from the installed file maps *.bda to the case-file type.
cp -r "$share/mime" "$tmp/mime"
update-mime-database "$tmp/mime" >"$tmp/mime.log" 2>&1 || { cat "$tmp/mime.log"; falsch "update-mime-database"; }
grep -qxF "50:application/x-bda-fall+json:*.bda" "$tmp/mime/globs2" 2>/dev/null ||
    falsch "*.bda ist nicht application/x-bda-fall+json"

# bda-fall from the installed binary, run outside the build and source trees.
(cd "$tmp" && "$ziel/usr/bin/bda-fall" "$faelle/viertel_und_haelfte.txt") >"$tmp/aus.json" 2>"$tmp/fehler.txt" ||
    falsch "bda-fall: $(cat "$tmp/fehler.txt")"
diff -u "$faelle/viertel_und_haelfte.json" "$tmp/aus.json" || falsch "bda-fall gibt anderes JSON aus"

# The window from the installed binary in an empty folder with an empty home: still running after
# three seconds (timeout ends it with 124), nothing on stderr, nothing written into the home.
mkdir -p "$tmp/leer" "$tmp/home" "$tmp/laufzeit"
chmod 700 "$tmp/laufzeit"
(cd "$tmp/leer" && env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME HOME="$tmp/home" \
    XDG_RUNTIME_DIR="$tmp/laufzeit" QT_QPA_PLATFORM=offscreen timeout 3 "$ziel/usr/bin/bda-rechner") \
    2>"$tmp/start.txt"
status=$?
[ "$status" -eq 124 ] || falsch "bda-rechner endete nach dem Start mit Status $status"
[ -s "$tmp/start.txt" ] && falsch "bda-rechner schrieb beim Start: $(cat "$tmp/start.txt")"
angelegt=$(find "$tmp/home" "$tmp/leer" -mindepth 1)
[ -z "$angelegt" ] || falsch "bda-rechner legte beim Start an: $angelegt"

# Options are options, not case files: --version answers, --nach-start-beenden ends after the first frame.
antwort=$(QT_QPA_PLATFORM=offscreen timeout 10 "$ziel/usr/bin/bda-rechner" --version 2>/dev/null)
[ "$antwort" = "BDA-Rechner $version" ] || falsch "bda-rechner --version gibt \"$antwort\" aus"
(cd "$tmp/leer" && HOME="$tmp/home" XDG_RUNTIME_DIR="$tmp/laufzeit" QT_QPA_PLATFORM=offscreen \
    timeout 10 "$ziel/usr/bin/bda-rechner" --nach-start-beenden) 2>/dev/null ||
    falsch "bda-rechner --nach-start-beenden endete nicht von selbst (Status $?)"

exit $fehler
