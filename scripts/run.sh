#!/usr/bin/env bash
# Sets everything up, builds into build/ and starts the desktop program
# (build/app/crepulo). It needs a display (X11 or Wayland); on a machine
# without one, use the command line: build/cli/crepulo-cli table --help
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build >/dev/null
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "crepulo needs a display (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "Without one, the command line prints the same table: build/cli/crepulo-cli table" >&2
    exit 1
fi
exec build/app/crepulo "$@"
