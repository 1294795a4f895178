#!/usr/bin/env bash
# Sets up, builds a release build and starts Morvane.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DMORVANE_TESTS=OFF -DMORVANE_BENCH=OFF >/dev/null
cmake --build "$root/build/release" --target morvane
# The help file is opened from the current folder, where the build put it.
cd "$root/build/release/app"
exec ./morvane
