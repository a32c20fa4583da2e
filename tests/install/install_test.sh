#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that a Linux desktop would list the game:
# the program, its menu entry (accepted by desktop-file-validate) and its icon in the hicolor theme.
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

[ $status -eq 0 ] && echo "installed: program, desktop entry and icon"
exit $status
