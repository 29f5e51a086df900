#!/usr/bin/env bash
# Builds, then converts the bundled sample document to PNG pages in out/demo/ and
# prints each image's path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PAGINOX_BUILD_DIR:-$root/build}
bash "$root/scripts/build.sh" >/dev/null
output="$root/out/demo"
"$build/src/cli/paginox-convert" --format png --output "$output" "$root/samples/"*.docx
echo "The page images are in $output"
