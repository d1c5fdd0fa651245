#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, when any is missing.
set -euo pipefail
# Build and program: cmake ... libical-dev; libssl-dev gives the save journal's fast SHA-256; lupdate and lrelease (qt6-l10n-tools) make the translations,
# Qt's own (qt6-translations-l10n) are loaded beside them. Fuzzing harnesses (libFuzzer, sanitizers): clang and its
# runtime libraries. Checks of the installed files and the Debian package: desktop-file-utils,
# appstream, dpkg-dev. poppler-utils (pdftotext) reads the text back out of printed PDF pages in the
# report tests. khal is a calendar client that a test imports the exported iCalendar file
# into; only the tests need it, so the Debian package does not depend on it.
packages=(cmake ninja-build g++ ccache qt6-base-dev qt6-l10n-tools qt6-translations-l10n libgl-dev libbenchmark-dev fonts-dejavu-core pkgconf libical-dev libssl-dev coinor-libcbc-dev clang libclang-rt-dev
          desktop-file-utils appstream dpkg-dev python3 khal poppler-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
