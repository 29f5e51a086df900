#!/usr/bin/env bash
# Starts the real program in Xvfb and checks that its window appears and stays up.
# Usage: scripts/xvfb-smoke.sh PATH/TO/paginox
set -euo pipefail
program=${1:?usage: $0 PATH/TO/paginox}
here=$(cd "$(dirname "$0")" && pwd)

check() {
  "$1" &
  local pid=$!
  local found=""
  for _ in $(seq 1 50); do
    if xwininfo -root -tree 2>/dev/null | grep -q '"Paginox 2.6"'; then
      found=yes
      break
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  if [ -z "$found" ]; then
    echo "no window titled \"Paginox 2.6\" appeared" >&2
    kill "$pid" 2>/dev/null || true
    return 1
  fi
  local geometry
  geometry=$(xwininfo -name "Paginox 2.6" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}')
  sleep 1
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "the program ended on its own" >&2
    return 1
  fi
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  if [ "$geometry" != "724x534" ]; then
    echo "window is $geometry, not 724x534" >&2
    return 1
  fi
  echo "window up at 724x534"
}

# Inside the X server this script runs again with --inside.
if [ "$program" = "--inside" ]; then
  check "$2"
else
  exec bash "$here/xvfb-run.sh" bash "$0" --inside "$program"
fi
