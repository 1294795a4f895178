#!/usr/bin/env bash
# Sets up, builds a release build and starts Morvane.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
"$root/tools/release-build.sh"
exec "$root/build/release/app/morvane"
