#!/usr/bin/env bash
# Sets everything up and starts the program from its assembled program folder.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$top/scripts/setup.sh"
build=${AUDIVOX_BUILD_DIR:-$top/build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the program on a virtual one (Xvfb)."
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$build/program/audivox"
fi
exec "$build/program/audivox"
