#!/bin/sh
# Installs the Debian 12 packages that building, running and testing the program need.
# Uses sudo only when not running as root; installs nothing that is already there.
set -eu

packages="
  g++ cmake ninja-build clang-format clang-14 libclang-rt-14-dev
  qt6-base-dev qt6-translations-l10n libqt6svg6 libgl-dev
  fonts-liberation2
  libgtest-dev libbenchmark-dev
  cups cups-client libcups2-dev printer-driver-cups-pdf poppler-utils
  desktop-file-utils appstream shared-mime-info dpkg-dev lintian
"

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

as_root=""
[ "$(id -u)" -eq 0 ] || as_root="sudo"
$as_root apt-get update -qq
# cups-pdf asks nothing, but keep apt from prompting on a bare machine.
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq $missing
