#!/usr/bin/env bash
# Runs a command in a private X server (Xvfb, 24-bit, 1280 x 1024) of its own.
# Usage: scripts/xvfb-run.sh COMMAND [ARGS...]
set -euo pipefail
exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -nolisten tcp" "$@"
