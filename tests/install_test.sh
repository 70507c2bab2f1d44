#!/usr/bin/env bash
# Installs the build into two temporary folders, as `cmake --install` lays it out (programs
# in bin/) and as the Debian package does (programs in games/, with the copyright file and
# the changelog), and checks every file, its validator and the programs' --help and
# --version. A validator that is not installed is skipped, with a message; scripts/package
# runs the same validators and lintian on the package itself.
# Usage: tests/install_test.sh BUILD_DIR VERSION
set -uo pipefail
build=$1
version=$2
id=org.bullquest.Bullquest
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
have() { command -v "$1" >/dev/null && return 0; echo "skipped: $1 is not installed, so it did not check $2"; return 1; }

# Each layout: the install components it takes and the programs' folder.
declare -A components=([plain]="Programs Shared" [debian]="Shared Debian")
declare -A bindir=([plain]=usr/bin [debian]=usr/games)
for layout in plain debian; do
  root=$work/$layout
  for component in ${components[$layout]}; do
    DESTDIR=$root cmake --install "$build" --prefix /usr --component "$component" >/dev/null \
      || fail "$layout: installing the $component component"
  done
  bin=${bindir[$layout]}

  expected=("$bin/bullquest" "$bin/bullquest-cli"
            usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml
            usr/share/man/man6/bullquest.6.gz usr/share/man/man6/bullquest-cli.6.gz
            usr/share/icons/hicolor/scalable/apps/$id.svg)
  for size in 16 24 32 48 64 128 256; do expected+=("usr/share/icons/hicolor/${size}x$size/apps/$id.png"); done
  [ "$layout" = debian ] && expected+=(usr/share/doc/bullquest/copyright usr/share/doc/bullquest/changelog.gz)
  diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . -type f | sed 's|^\./||' | sort) \
    || fail "$layout: the installed files differ from the list (< missing, > not expected)"

  # The programs answer without a display.
  for program in bullquest bullquest-cli; do
    run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/$bin/$program" "$@"; }
    out=$(run --version 2>&1) || fail "$layout: $program --version exits with $?"
    [ "$(head -1 <<<"$out")" = "$program $version" ] || fail "$layout: $program --version prints: $out"
    out=$(run --help 2>/dev/null) || fail "$layout: $program --help exits with $?"
    [[ $out == "Usage: $program "* ]] || fail "$layout: $program --help prints: $out"
    out=$(run --seed x 2>"$work/err"); status=$?
    [ $status -eq 2 ] && [ -z "$out" ] && [ "$(sed -n 2p "$work/err")" = "$(head -1 <<<"$(run --help)")" ] \
      && [[ $(head -1 "$work/err") == "$program: "* ]] \
      || fail "$layout: $program --seed x exits with $status and prints: $out$(cat "$work/err")"
  done

  # The menu entry starts an installed program and names the installed icon.
  desktop=$root/usr/share/applications/$id.desktop
  exec_line=$(sed -n 's/^Exec=//p' "$desktop")
  [ -x "$root/$bin/${exec_line%% *}" ] || fail "$layout: Exec=$exec_line is not a program in /$bin"
  [ "$(sed -n 's/^Icon=//p' "$desktop")" = "$id" ] || fail "$layout: the menu entry's icon is not $id"

  # The version and its release reach the metainfo, the manual pages and the changelog.
  metainfo=$root/usr/share/metainfo/$id.metainfo.xml
  grep -q "<release version=\"$version\" date=\"[0-9-]*\"" "$metainfo" \
    || fail "$layout: the metainfo has no release $version"
  for page in bullquest bullquest-cli; do
    man=$root/usr/share/man/man6/$page.6.gz
    [ "$(od -An -tu4 -j4 -N4 "$man" | tr -d ' ')" = 0 ] || fail "$layout: $page.6.gz holds a time stamp"
    zcat "$man" | grep -q "^\.TH .* \"Bullquest $version\"" || fail "$layout: $page(6) does not name version $version"
  done
  if [ "$layout" = debian ]; then
    zcat "$root/usr/share/doc/bullquest/changelog.gz" | head -1 | grep -q "^bullquest ($version) " \
      || fail "debian: the changelog does not start with version $version"
  fi
done

# The validators, on the Debian layout (the files under share/ are the same in both).
root=$work/debian
if have desktop-file-validate "the menu entry"; then
  out=$(desktop-file-validate "$root/usr/share/applications/$id.desktop" 2>&1)
  [ $? -eq 0 ] && [ -z "$out" ] || fail "desktop-file-validate: $out"
fi
if have appstreamcli "the AppStream metainfo"; then
  # --strict fails on any finding but a pedantic one (the capital in the decided id).
  out=$(appstreamcli validate --no-net --strict "$root/usr/share/metainfo/$id.metainfo.xml" 2>&1) \
    || fail "appstreamcli validate: $out"
  # The whole tree: the metainfo's launchable is the installed menu entry.
  out=$(appstreamcli validate-tree --no-net --strict "$root" 2>&1) || fail "appstreamcli validate-tree: $out"
fi
if have groff "the manual pages"; then
  for page in bullquest bullquest-cli; do
    out=$(zcat "$root/usr/share/man/man6/$page.6.gz" | groff -man -ww -z 2>&1)
    [ -z "$out" ] || fail "groff on $page(6): $out"
  done
fi
if have man "the manual pages as lintian reads them"; then
  for page in bullquest bullquest-cli; do
    out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$root/usr/share/man/man6/$page.6.gz" 2>&1 >/dev/null)
    [ -z "$out" ] || fail "man --warnings on $page(6): $out"
  done
fi

[ $failures -eq 0 ] && echo "every installed file is in place and valid"
exit $((failures > 0))
