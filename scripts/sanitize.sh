#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer into build-sanitize/ (or
# $PAGINOX_BUILD_DIR) and runs every test there. Extra arguments go to ctest, e.g. -R Office.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PAGINOX_BUILD_DIR:-$root/build-sanitize}
# The vptr check cannot tell the office's UNO proxies from real objects of their interface type.
flags="-fsanitize=address,undefined -fno-sanitize=vptr -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" -j"$(nproc)"
export LSAN_OPTIONS="suppressions=$root/scripts/leak-suppressions.txt"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$build"
ctest --output-on-failure -j"$(nproc)" --timeout 1200 "$@"
