#!/usr/bin/env bash
# Sets up and runs the whole test suite, warnings being errors in every
# build:
# 1. clang with AddressSanitizer and UndefinedBehaviorSanitizer (and the
#    fuzz targets): unit and behaviour tests, the real-window tests on a
#    private Xvfb, a bounded run of each fuzzer;
# 2. the g++ Release program that the run command ships, installed into a
#    staging folder: its desktop entry is validated and the real-window
#    tests run again against the installed program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"

build="$root/build/asan"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DMORVANE_SANITIZE=ON -DMORVANE_FUZZ=ON -DMORVANE_BENCH=OFF -DMORVANE_WERROR=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
status=0
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" "$@" || status=$?
# What each fuzzer reached.
grep -hE '^[A-Za-z]+Fuzzer: [0-9]+ edges' "$build/Testing/Temporary/LastTest.log" 2>/dev/null || true
[ $status -eq 0 ] || exit $status

"$root/tools/release-build.sh" -DMORVANE_WERROR=ON
stage="$root/build/staging"
rm -rf "$stage"
DESTDIR="$stage" cmake --install "$root/build/release" --prefix /usr/local >/dev/null
desktop-file-validate "$stage/usr/local/share/applications/morvane.desktop"
echo "desktop entry: valid"
MORVANE_BINARY="$stage/usr/local/bin/morvane" ctest --test-dir "$build" --output-on-failure -L e2e
