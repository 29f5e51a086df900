#!/usr/bin/env bash
# Builds and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PAGINOX_BUILD_DIR:-$root/build}
bash "$root/scripts/build.sh"
cd "$build"
ctest --output-on-failure -j"$(nproc)" --timeout 600
