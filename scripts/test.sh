#!/usr/bin/env bash
# Sets everything up and runs every test headless.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$top/scripts/setup.sh"
build=${AUDIVOX_BUILD_DIR:-$top/build}
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure -j "$(nproc)" "$@"
