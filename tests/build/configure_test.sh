#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The build's switches, at configure time: without BUILD_TESTING neither GoogleTest nor Google
# Benchmark is looked for and no test or benchmark is defined; with it, GoogleTest is required;
# the fuzz target asked of GCC stops configuring with a message that names Clang.
# Usage: configure_test.sh SOURCE_DIR
set -uo pipefail

source_dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

status=0
fail() { echo "FAIL: $*"; status=1; }
configure() {  # configure NAME OPTIONS...: configures into $scratch/NAME, output in NAME.log
    local name=$1; shift
    cmake -S "$source_dir" -B "$scratch/$name" -G Ninja "$@" >"$scratch/$name.log" 2>&1
}
without_test_libraries=(-DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON
                        -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON)

# What the package build does.
if configure package -DBUILD_TESTING=OFF -DQUINTARA_TOOLS=OFF "${without_test_libraries[@]}"; then
    tests=$(cd "$scratch/package" && ctest -N | sed -n 's/^Total Tests: //p')
    [ "$tests" = 0 ] || fail "BUILD_TESTING=OFF still defines $tests tests"
    cmake --build "$scratch/package" --target help | grep -q 'bench_' &&
        fail "BUILD_TESTING=OFF still defines benchmarks"
else
    cat "$scratch/package.log"
    fail "BUILD_TESTING=OFF does not configure without GoogleTest and Google Benchmark"
fi

# The same libraries hidden from a build with tests: it must stop, or the check above proves
# nothing.
configure tests -DBUILD_TESTING=ON -DQUINTARA_UI=OFF "${without_test_libraries[@]}" &&
    fail "BUILD_TESTING=ON configures without GoogleTest"

if configure fuzz -DCMAKE_CXX_COMPILER=g++ -DQUINTARA_FUZZ=ON -DQUINTARA_UI=OFF \
    -DBUILD_TESTING=OFF -DQUINTARA_TOOLS=OFF; then
    fail "QUINTARA_FUZZ=ON configures with GCC"
else
    grep -q 'QUINTARA_FUZZ=ON needs Clang' "$scratch/fuzz.log" ||
        { cat "$scratch/fuzz.log"; fail "the fuzz refusal does not say it needs Clang"; }
fi

[ $status -eq 0 ] && echo "configure: BUILD_TESTING and QUINTARA_FUZZ behave"
exit $status
