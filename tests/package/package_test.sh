#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package that `./quintara package` builds: its name, control fields and
# dependencies, its exact contents, lintian (any error fails; warnings are listed), and an
# install and removal with dpkg in a throw-away root. Ends with "N passed, M failed".
# Usage: package_test.sh PACKAGE.deb
set -uo pipefail

deb=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

passed=0; failed=0
check() {  # check DESCRIPTION COMMAND...
    local what=$1; shift
    if "$@"; then passed=$((passed + 1)); else echo "FAIL: $what"; failed=$((failed + 1)); fi
}
field() { dpkg-deb -f "$deb" "$1"; }

arch=$(dpkg --print-architecture)
check "file name quintara_1.3-1_$arch.deb" [ "$(basename "$deb")" = "quintara_1.3-1_$arch.deb" ]

# Control fields.
check "Package" [ "$(field Package)" = quintara ]
check "Version" [ "$(field Version)" = 1.3-1 ]
check "Section" [ "$(field Section)" = games ]
check "Architecture" [ "$(field Architecture)" = "$arch" ]
check "Maintainer" [ "$(field Maintainer)" = "Orvella <quintara@orvella.example>" ]
check "Homepage" [ "$(field Homepage)" = https://www.orvella.example ]
check "Description synopsis" \
    [ "$(field Description | head -n 1)" = "Sudoku of 9x9, 16x16 and 25x25 cells, played against the clock" ]
depends=$(field Depends)
echo "Depends: $depends"
echo "Installed-Size: $(field Installed-Size) KiB; package $(stat -c %s "$deb") bytes"
# The package names in Depends, versions and alternatives dropped.
names=" $(sed -E 's/\([^)]*\)//g; s/\|[^,]*//g; s/,/ /g; s/ +/ /g' <<<"$depends") "
# Computed from the libraries the game links, plus the Qt plugins it loads: the display
# platforms and the SVG icon engine.
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins libqt6svg6; do
    check "Depends on $library" [ "${names/ $library /}" != "$names" ]
done
# Every package named there is one this system knows and has installed.
for dependency in $names; do
    check "$dependency is a real package" dpkg-query -W "$dependency" >/dev/null
done

# Exactly these files, nothing of the build, the tests or the tools.
expected="./usr/games/quintara
./usr/share/applications/quintara.desktop
./usr/share/doc/quintara/changelog.Debian.gz
./usr/share/doc/quintara/copyright
./usr/share/icons/hicolor/128x128/apps/quintara.png
./usr/share/icons/hicolor/256x256/apps/quintara.png
./usr/share/icons/hicolor/48x48/apps/quintara.png
./usr/share/icons/hicolor/scalable/apps/quintara.svg
./usr/share/man/man6/quintara.6.gz
./usr/share/metainfo/example.orvella.Quintara.metainfo.xml
./usr/share/quintara/help/about.html
./usr/share/quintara/help/images/play-errors.png
./usr/share/quintara/help/images/play.png
./usr/share/quintara/help/images/print-notice.png
./usr/share/quintara/help/images/puzzle.png
./usr/share/quintara/help/images/solution.png
./usr/share/quintara/help/images/start.png
./usr/share/quintara/help/puzzleDepot/quintara-news.html
./usr/share/quintara/help/quintara.css
./usr/share/quintara/help/w_orvella-quintara0-hlp0-EN.html
./usr/share/quintara/help/w_orvella-quintara0-hlp0.html
./usr/share/quintara/help/w_orvella-quintara0-hlp1-EN.html
./usr/share/quintara/help/w_orvella-quintara0-hlp1.html
./usr/share/quintara/help/w_orvella-quintara0-hlp2-EN.html
./usr/share/quintara/help/w_orvella-quintara0-hlp2.html"
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
check "contents" [ "$files" = "$expected" ]
[ "$files" = "$expected" ] || diff <(echo "$expected") <(echo "$files")
check "the game is executable, owned by root" \
    bash -c "dpkg-deb -c '$deb' | grep '^-rwxr-xr-x root/root .* ./usr/games/quintara$' >/dev/null"

# lintian: errors fail, warnings are listed.
lintian_log="$root/lintian.log"
lintian --tag-display-limit 0 "$deb" >"$lintian_log" 2>&1
sed -n 's/^/lintian: /p' "$lintian_log"
check "lintian reports no error" bash -c "! grep -q '^E:' '$lintian_log'"
echo "lintian: $(grep -c '^E:' "$lintian_log") errors, $(grep -c '^W:' "$lintian_log") warnings"

# Install into a throw-away root with its own dpkg database, then remove it again. The
# dependencies are this system's business, not the empty root's.
target="$root/target"
mkdir -p "$target/var/lib/dpkg/info" "$target/var/lib/dpkg/updates"
touch "$target/var/lib/dpkg/status"
dpkg_root() {
    dpkg --root="$target" --log=/dev/null --force-depends "$@" >"$root/dpkg.log" 2>&1 ||
        { cat "$root/dpkg.log"; return 1; }
}
check "dpkg installs it" dpkg_root --install "$deb"
check "installed game" [ -x "$target/usr/games/quintara" ]
check "installed manual page" bash -c "zcat '$target/usr/share/man/man6/quintara.6.gz' | grep -q '^.TH QUINTARA 6'"
# The game finds its pages by a path relative to itself, built in; it must lead to them here.
pages=$(strings "$target/usr/games/quintara" | grep -x '\.\./share/quintara/help' | head -n 1)
check "the game's pages are where it looks" \
    [ -n "$pages" -a -f "$target/usr/games/$pages/w_orvella-quintara0-hlp0-EN.html" ]
check "dpkg lists it installed" bash -c "dpkg --root='$target' -s quintara | grep -q '^Status: install ok installed'"
check "dpkg removes it" dpkg_root --purge quintara
check "nothing of it is left" [ -z "$(find "$target/usr" -type f 2>/dev/null)" ]

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
