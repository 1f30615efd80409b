#!/bin/sh
# Installs the Debian 12 packages that building, running and testing Quorvel
# need, when they are missing. Runs apt-get as root, through sudo otherwise.
# liberfa-dev: the precise model; libsqlite3-dev: the observer's log; python3-sunpy:
# regenerating its reference vectors (tests/ephemeris/make_precise_vectors.py);
# lintian: the package's check; qt6-tools-dev, qt6-l10n-tools: the translations (lupdate,
# lrelease); qt6-translations-l10n: Qt's own, for the standard buttons; libpng-dev,
# libtiff-dev: PNG and TIFF images read a row at a time.
set -eu

PACKAGES="build-essential cmake make pkg-config dpkg-dev
  qt6-base-dev qt6-svg-dev libgl-dev qt6-image-formats-plugins libcfitsio-dev
  libgtest-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-liberation2 xvfb xauth x11-apps x11-utils imagemagick xdotool openbox xdg-utils
  desktop-file-utils appstream lintian
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  locales poppler-utils time
  liberfa-dev libsqlite3-dev zlib1g-dev libpng-dev libtiff-dev"

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done

# Root runs the commands itself, a user through sudo; a user without sudo is told what to run.
can_root() { [ "$(id -u)" = 0 ] || command -v sudo >/dev/null 2>&1; }
as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

if [ -n "$missing" ]; then
  if ! can_root; then
    echo "Some packages are missing and installing them needs root. As root, run:" >&2
    echo "  apt-get update && apt-get install -y --no-install-recommends$missing" >&2
    exit 1
  fi
  echo "Installing:$missing"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
fi

# A locale with a decimal comma, for the tests that prove parsing ignores it.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  if can_root; then
    as_root localedef -i de_DE -c -f UTF-8 de_DE.UTF-8 || echo "note: could not make the de_DE.UTF-8 locale"
  else
    echo "note: the de_DE.UTF-8 locale is missing; as root: localedef -i de_DE -c -f UTF-8 de_DE.UTF-8"
  fi
fi
