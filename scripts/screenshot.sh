#!/usr/bin/env bash
# Builds the screenshot program and writes docs/screenshot.png from a run in Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PAGINOX_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target paginox_screenshot
mkdir -p "$root/docs"
bash "$root/scripts/xvfb-run.sh" "$build/tests/app/paginox_screenshot" "$root/docs/screenshot.png"
echo "$root/docs/screenshot.png"
