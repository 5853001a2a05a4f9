#!/bin/sh
# Builds the Debian package from the build folder into a temporary folder and looks into it: the
# files, the Depends that dpkg-shlibdeps and the build add, and lintian without errors (it checks the
# control fields). Installing it stays a step by hand, since that changes the machine.
# Usage: paket.sh CPACK BUILD-FOLDER ID VERSION
set -u
cpack=$1 build=$2 id=$3 version=$4
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fehler=0
falsch() {
    echo "FEHLER: $*"
    fehler=1
}

if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$tmp" >"$tmp/cpack.log" 2>&1; then
    cat "$tmp/cpack.log"
    echo "FEHLER: cpack -G DEB ist gescheitert"
    exit 1
fi
deb=$tmp/bda-rechner_${version}_amd64.deb
[ -f "$deb" ] || { ls "$tmp"; echo "FEHLER: $deb fehlt"; exit 1; }

dpkg-deb -c "$deb" | awk '{ print $6 }' >"$tmp/inhalt"
for datei in usr/bin/bda-rechner usr/bin/bda-fall usr/share/applications/$id.desktop \
    usr/share/man/man1/bda-fall.1.gz usr/share/doc/bda-rechner/changelog.gz; do
    grep -qxF "./$datei" "$tmp/inhalt" || falsch "$datei fehlt im Paket"
done
grep -v '^\./usr/' "$tmp/inhalt" | grep -vxF './' && falsch "Dateien außerhalb von /usr im Paket"

abhaengig=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $abhaengig"
# The first three are named by the build; the Qt libraries and libc come from dpkg-shlibdeps.
for muster in '(^|, )qt6-translations-l10n(,|$)' '(^|, )fonts-liberation2(,|$)' '(^|, )libcups2 \(>= [0-9.]+\)' \
    '(^|, )libqt6widgets6 \(>= 6\.[0-9.]+\)' '(^|, )libc6 \(>= [0-9.]+\)'; do
    printf '%s' "$abhaengig" | grep -qE "$muster" || falsch "Depends passt nicht zu $muster"
done

lintian --tag-display-limit 0 --fail-on error "$deb" >"$tmp/lintian.log" 2>&1
status=$?
cat "$tmp/lintian.log"
[ "$status" -eq 0 ] || falsch "lintian meldet Fehler (Status $status)"

exit $fehler
