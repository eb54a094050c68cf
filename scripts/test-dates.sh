#!/usr/bin/env bash
# Runs the tests with the clock set to other dates (default: an ordinary end of February, a
# leap day and a new year). Tests that play through GStreamer or a sound server are left out:
# libfaketime disturbs GStreamer's clocks. Usage: test-dates.sh [YYYY-MM-DD ...] [-- ctest args]
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${AUDIVOX_BUILD_DIR:-$top/build}
dates=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do dates+=("$1"); shift; done
[ "${1:-}" = "--" ] && shift
[ ${#dates[@]} -gt 0 ] || dates=(2027-02-28 2028-02-29 2031-01-01)
command -v faketime >/dev/null || { echo "faketime is missing (scripts/debian-packages.txt)"; exit 1; }
export QT_QPA_PLATFORM=offscreen FAKETIME_DONT_FAKE_MONOTONIC=1
cd "$build"
for day in "${dates[@]}"; do
  echo "== Tests with the clock at $day"
  faketime "$day 10:00:00" ctest --output-on-failure -j "$(nproc)" -LE realmedia "$@"
done
