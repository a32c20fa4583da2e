#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file names its licence in its first lines, as a distribution's licence check reads
# it: C++ sources and headers, build files and scripts.
# Usage: licence_test.sh SOURCE_DIR
set -uo pipefail

cd "$1" || exit 1
missing=0
while IFS= read -r -d '' file; do
    if ! head -n 3 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later'; then
        echo "FAIL: no licence line in $file"
        missing=$((missing + 1))
    fi
done < <(find . -path ./build -prune -o -path ./.git -prune -o -type f \
    \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.py' -o -name '*.cmake' \
       -o -name CMakeLists.txt -o -name '*.desktop' -o -name '*.6' -o -path ./quintara \) -print0)
[ "$missing" -eq 0 ] && echo "every source file names its licence"
exit $((missing > 0))
