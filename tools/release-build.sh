#!/usr/bin/env bash
# Builds the program that the run command ships: g++, Release, into
# build/release. Extra arguments go to CMake's configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++ \
  -DMORVANE_TESTS=OFF -DMORVANE_BENCH=OFF "$@" >/dev/null
cmake --build "$root/build/release" --target morvane
