#!/usr/bin/env bash
# Checks that Slotsmith installs the way a Debian user expects, from a Release build in
# build/release (the one scripts/demo.sh uses):
#   1. both programs print the project version, the GUI without a display; the metainfo and
#      CHANGELOG.md have an entry for it;
#   2. `cmake --install` into a staging folder puts exactly the expected files in place; the
#      .desktop file, the AppStream metainfo and both manual pages validate without warnings;
#   3. the manual page and both shell completions know every command and option that
#      `slotsmith --help` lists, and the bash completion completes them;
#   4. `cpack -G DEB` builds the package with the same files and the right control fields;
#   5. the package installs with its dependencies into a fresh Debian tree (debootstrap), and
#      both programs run there: the command line on a demo database, the desktop application
#      offscreen. This needs root; the machine itself is left as it was.
# Called at the end of scripts/test.sh; needs the packages of scripts/install-deps.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
build=build/release
app_id=io.github.slotsmith.Slotsmith

fail() {
  echo "check-install: $*" >&2
  exit 1
}

# Prints the lines of the first list that the second lacks.
missing_lines() { comm -23 <(printf '%s\n' "$1" | sort -u) <(printf '%s\n' "$2" | sort -u); }

# A fresh Debian tree of this machine's release, from the mirror apt is configured with, to
# install the package into at the end. Made in the background while the build runs (about two
# minutes); only root can make and enter one.
fresh_root=""
codename=$(sed -n "s/^VERSION_CODENAME=//p" /etc/os-release)
if [ "$(id -u)" -eq 0 ]; then
  mirror=$(apt-cache policy | awk -v suite=" $codename/main " 'index($0, suite) {print $2; exit}')
  [ -n "$mirror" ] || fail "no apt source for $codename/main"
  fresh_root=$(mktemp -d /tmp/slotsmith-fresh-root.XXXXXX)
  chmod 755 "$fresh_root"  # apt inside downloads as the user _apt
  # In a process group of its own, so that stopping it early stops its downloads and dpkg too.
  setsid debootstrap --variant=minbase "$codename" "$fresh_root" "$mirror" >"$fresh_root.log" 2>&1 &
  bootstrap=$!
fi
cleanup() {
  rm -rf "$stage"
  if [ -n "$fresh_root" ]; then
    if kill -- "-$bootstrap" 2>/dev/null; then wait "$bootstrap" 2>/dev/null || true; fi
    # Never leave the tree through a mount point debootstrap may have left inside it.
    rm -rf --one-file-system "$fresh_root" "$fresh_root.log"
  fi
}
stage=$(mktemp -d)
trap cleanup EXIT

echo "== Release build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSLOTSMITH_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target slotsmith slotsmith-gui compressed_docs
cli=$build/src/cli/slotsmith
gui=$build/src/app/slotsmith-gui
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

echo "== Version $version"
[ "$("$cli" --version)" = "$version" ] || fail "slotsmith --version is not $version"
# --version must answer without a display, so no platform plugin is chosen here.
gui_version=$(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$gui" --version)
[ "$gui_version" = "Slotsmith $version" ] || fail "slotsmith-gui --version says '$gui_version'"
newest_release=$(grep -o -m1 '<release version="[^"]*"' packaging/$app_id.metainfo.xml)
[ "$newest_release" = "<release version=\"$version\"" ] ||
  fail "the newest <release> of the metainfo is not $version"
grep -q "^## $version " CHANGELOG.md || fail "CHANGELOG.md has no entry for $version"

echo "== Install into a staging folder"
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
installed=$(cd "$stage" && find . -type f | sed 's|^\./|/|' | sort)
expected="/usr/bin/slotsmith
/usr/bin/slotsmith-gui
/usr/share/applications/$app_id.desktop
/usr/share/bash-completion/completions/slotsmith
/usr/share/doc/slotsmith/changelog.gz
/usr/share/doc/slotsmith/copyright
/usr/share/icons/hicolor/128x128/apps/$app_id.png
/usr/share/icons/hicolor/256x256/apps/$app_id.png
/usr/share/icons/hicolor/48x48/apps/$app_id.png
/usr/share/icons/hicolor/scalable/apps/$app_id.svg
/usr/share/man/de/man1/slotsmith-gui.1.gz
/usr/share/man/de/man1/slotsmith.1.gz
/usr/share/man/man1/slotsmith-gui.1.gz
/usr/share/man/man1/slotsmith.1.gz
/usr/share/metainfo/$app_id.metainfo.xml
/usr/share/zsh/vendor-completions/_slotsmith"
[ "$installed" = "$(sort <<<"$expected")" ] ||
  fail "installed files differ from the expected ones:$(diff <(echo "$expected" | sort) - <<<"$installed")"
for size in 48 128 256; do
  file=$stage/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  [ "$(od -An -tu4 --endian=big -j16 -N8 "$file" | xargs)" = "$size $size" ] ||
    fail "$file is not $size x $size pixels"
done

echo "== Desktop entry, AppStream metainfo, manual pages"
desktop-file-validate "$stage/usr/share/applications/$app_id.desktop"
grep -qx "Exec=slotsmith-gui %f" "$stage/usr/share/applications/$app_id.desktop" ||
  fail "the desktop entry does not start slotsmith-gui with a folder"
# --pedantic also notes the upper-case letter of the reverse-DNS id, which is the usual style
# for application ids; only errors and warnings fail the validation.
appstreamcli validate --no-net --pedantic "$stage/usr/share/metainfo/$app_id.metainfo.xml"
for page in "$stage"/usr/share/man/man1/*.1.gz "$stage"/usr/share/man/de/man1/*.1.gz; do
  warnings=$(zcat "$page" | groff -ww -man -Tutf8 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "groff warns about $(basename "$page"): $warnings"
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man warns about $(basename "$page"): $warnings"
done

echo "== The manual page and the completions know every command and option"
bash -n packaging/completion/slotsmith.bash
if command -v zsh >/dev/null; then
  zsh -n packaging/completion/_slotsmith
else
  echo "zsh is not installed: the zsh completion's syntax is not checked"
fi
manual=$(zcat "$stage/usr/share/man/man1/slotsmith.1.gz")
# The names in the Subcommands section, and per command the long options of its Options section.
commands=$("$cli" --help | sed -n '/^Subcommands:/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p')
options_of() {
  "$cli" "$1" --help | sed -n '/^Options:/,/^$/p' | grep -oE '^ +(-[a-z],)?--[a-z][a-z-]*' |
    grep -oE -- '--[a-z-]+' | grep -vx -- '--help' || true
}
[ -n "$commands" ] || fail "no commands found in slotsmith --help"
for completion in packaging/completion/slotsmith.bash packaging/completion/_slotsmith; do
  known=$(sed -n "s/^ *\[\([a-z-]*\)\]='.*/\1/p" "$completion")
  [ -z "$(missing_lines "$commands" "$known")" ] ||
    fail "$completion lacks the commands: $(missing_lines "$commands" "$known" | xargs)"
done
for command in $commands; do
  # The command's section of the manual page, from its .SS line (its usage) to the next heading.
  section=$(awk -v heading=".SS \"slotsmith $command" '
    index($0, heading) == 1 && substr($0, length(heading) + 1, 1) ~ /[ "]/ { inside = 1; print; next }
    /^\.S[SH] / { inside = 0 }
    inside' <<<"$manual")
  [ -n "$section" ] || fail "the manual page has no section for '$command'"
  for option in $(options_of "$command"); do
    grep -qF -- "${option//-/\\-}" <<<"$section" || fail "the manual page lacks $command $option"
    for completion in packaging/completion/slotsmith.bash packaging/completion/_slotsmith; do
      grep -q "^ *\[${command}\]='[^']*${option}[ =]" "$completion" ||
        fail "$completion lacks $command $option"
    done
  done
done
# The bash completion at work: a command, a bank, an option.
completes() {
  local expected=$1
  shift
  local result
  result=$(bash -c 'source packaging/completion/slotsmith.bash
    COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _slotsmith; printf "%s\n" "${COMPREPLY[@]}" | sort | xargs' \
    completion "$@")
  [ "$result" = "$expected" ] || fail "bash completes '$*' to '$result', not '$expected'"
}
completes "compact consolidate copy" slotsmith co
completes "models sounds" slotsmith move "$stage" --to 3 ""
completes "--dry-run --help --to --yes" slotsmith copy "$stage" sounds 1 --
completes "" slotsmith copy "$stage" sounds 1 --to ""

echo "== Debian package"
(cd "$build" && rm -f ./*.deb && cpack -G DEB >/dev/null)
deb=$(ls "$build"/slotsmith_"$version"-1_*.deb)
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = slotsmith ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version-1" ] || fail "package version $(field Version)"
[ "$(field Section)" = sound ] || fail "section $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no maintainer"
depends=$(field Depends)
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6dbus6 qt6-qpa-plugins \
  libarchive13 libssl3; do
  [[ ", $depends," == *", $needed "* || ", $depends," == *", $needed,"* ]] ||
    fail "Depends lacks $needed: $depends"
done
packaged=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print substr($6, 2)}' | sort)
[ "$packaged" = "$installed" ] ||
  fail "the package holds other files than cmake --install:$(diff <(echo "$installed") - <<<"$packaged")"
echo "$(basename "$deb"): Depends: $depends"

echo "== Install the package into a fresh Debian tree and run it there"
if [ -z "$fresh_root" ]; then
  echo "Not root: the package is not installed into a fresh Debian tree."
else
  waited=$SECONDS
  wait "$bootstrap" || fail "debootstrap failed: $(tail -n 5 "$fresh_root.log")"
  waited=$((SECONDS - waited))
  installing=$SECONDS
  cp "$deb" "$fresh_root/tmp/"
  inside() { env -u DISPLAY -u WAYLAND_DISPLAY chroot "$fresh_root" "$@"; }
  inside apt-get update -qq
  DEBIAN_FRONTEND=noninteractive inside apt-get install -y -qq --no-install-recommends \
    "/tmp/$(basename "$deb")" >"$fresh_root.log" 2>&1 ||
    fail "the package does not install: $(tail -n 5 "$fresh_root.log")"
  [ "$(inside slotsmith --version)" = "$version" ] || fail "installed slotsmith --version"
  inside slotsmith demo /tmp/demo >/dev/null
  inside slotsmith check /tmp/demo
  # libarchive and libcrypto are loaded only when an archive is made or read: the package's
  # Depends must bring them, as no linker-made dependency does.
  inside slotsmith backup /tmp/demo --to /tmp/demo.tar.zst >/dev/null ||
    fail "installed slotsmith backup"
  inside slotsmith verify /tmp/demo.tar.zst >/dev/null || fail "installed slotsmith verify"
  [ "$(inside env -u QT_QPA_PLATFORM slotsmith-gui --version)" = "Slotsmith $version" ] ||
    fail "installed slotsmith-gui --version"
  # The desktop application opens the demo database and keeps running until it is stopped:
  # its libraries and the Qt platform plugins came in through the package's Depends.
  status=0
  QT_QPA_PLATFORM=offscreen timeout 5 env -u DISPLAY -u WAYLAND_DISPLAY XDG_CONFIG_HOME=/tmp/config \
    chroot "$fresh_root" slotsmith-gui /tmp/demo >"$fresh_root.log" 2>&1 || status=$?
  [ "$status" -eq 124 ] ||
    fail "installed slotsmith-gui stopped with status $status: $(tail -n 5 "$fresh_root.log")"
  # Offscreen is part of Qt's GUI library; a desktop session needs the xcb platform plugin, with
  # every library it loads.
  xcb=$(inside sh -c 'ls /usr/lib/*/qt6/plugins/platforms/libqxcb.so') ||
    fail "the package did not bring in Qt's xcb platform plugin"
  if inside ldd "$xcb" | grep "not found"; then fail "the xcb platform plugin lacks libraries"; fi
  echo "Installed $(basename "$deb") with its dependencies into a fresh $codename tree, where both"
  echo "programs run (waited $waited s for the tree, then $((SECONDS - installing)) s)."
fi
echo "Install check passed in $((SECONDS - started)) s."
