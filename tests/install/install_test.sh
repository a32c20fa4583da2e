#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks that a Linux desktop would list the game:
# the program, its menu entry (accepted by desktop-file-validate), its icon in the hicolor theme,
# its AppStream metainfo (appstreamcli: no error, no warning, alone and in the installed tree), its
# manual page, and the pages that help, the news button and the maker's link open.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail

build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

status=0
fail() { echo "FAIL: $*"; status=1; }

[ -x "$prefix/bin/quintara" ] || fail "bin/quintara missing or not executable"

entry="$prefix/share/applications/quintara.desktop"
if [ -f "$entry" ]; then
    desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
    grep -qx 'Exec=quintara' "$entry" || fail "the entry does not start bin/quintara"
    grep -qx 'Icon=quintara' "$entry" || fail "the entry does not name the quintara icon"
    grep -qx 'Type=Application' "$entry" || fail "the entry is not an application"
    # The class Qt gives the window on X11, so a dock ties the window to the entry.
    grep -qx 'StartupWMClass=Quintara' "$entry" || fail "the entry names no StartupWMClass"
    grep -q '^Name\[it\]=' "$entry" || fail "the entry has no Italian name"
    grep -q '^Comment\[it\]=' "$entry" || fail "the entry has no Italian comment"
else
    fail "share/applications/quintara.desktop missing"
fi

icons="$prefix/share/icons/hicolor"
for side in 48 128 256; do
    icon="$icons/${side}x${side}/apps/quintara.png"
    [ -f "$icon" ] || { fail "$icon missing"; continue; }
    # A PNG's width and height are the big-endian words at bytes 16 and 20.
    size=$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [ "$size" = "${side}x${side}" ] || fail "$icon is $size, not ${side}x${side}"
done
grep -q '<svg' "$icons/scalable/apps/quintara.svg" 2>/dev/null || fail "scalable icon missing"

# appstreamcli exits 0 on warnings; its report lists them as W: and errors as E:.
validate() {
    local report
    report=$(appstreamcli "$@" 2>&1) || { echo "$report"; return 1; }
    echo "$report"
    ! grep -qE '^[EW]: ' <<<"$report"
}
metainfo="$prefix/share/metainfo/example.orvella.Quintara.metainfo.xml"
if [ -f "$metainfo" ]; then
    grep -q '<launchable type="desktop-id">quintara.desktop</launchable>' "$metainfo" ||
        fail "the metainfo does not launch the desktop entry"
    grep -q '<release version="1.3"' "$metainfo" || fail "the metainfo lists no release 1.3"
    validate validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"
    validate validate-tree --no-net "$prefix" || fail "appstreamcli rejects the installed tree"
else
    fail "share/metainfo/example.orvella.Quintara.metainfo.xml missing"
fi

manual="$prefix/share/man/man6/quintara.6.gz"
if [ -f "$manual" ]; then
    warnings=$(zcat "$manual" | LC_ALL=C.UTF-8 MANWIDTH=80 groff -man -Tutf8 -ww -z 2>&1)
    [ -z "$warnings" ] || fail "the manual page has groff warnings: $warnings"
    zcat "$manual" | grep -q '^\.TH QUINTARA 6 ' || fail "the manual page is not in section 6"
else
    fail "share/man/man6/quintara.6.gz missing"
fi

# The pages, found from beside the installed program as the game finds them.
cp "$build/ui/quintara_addresses" "$prefix/bin/"
"$(dirname "$0")/../ui/help/pages_test.py" "$prefix/bin/quintara_addresses" \
    "$prefix/share/quintara/help" || fail "the installed pages are incomplete"

[ $status -eq 0 ] && echo "installed: program, desktop entry, icon, metainfo, manual page and pages"
exit $status
