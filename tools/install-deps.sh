#!/bin/sh
# Installs what building, running and testing need on Debian 12 (run as root).
set -e
packages="cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6sql6-sqlite libgl-dev sqlite3
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  fonts-liberation libbenchmark-dev xvfb xauth xdotool imagemagick poppler-utils
  clang-format python3"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends $missing
fi
