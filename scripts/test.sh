#!/usr/bin/env bash
# Sets everything up and runs every test headless: once today, then once more with the clock
# set to a leap day, so no test depends on the date it runs (scripts/test-dates.sh runs more),
# then every fuzzing harness briefly (scripts/fuzz.sh).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$top/scripts/setup.sh"
# The code is laid out as .clang-format says.
bash "$top/scripts/check-format.sh"
build=${AUDIVOX_BUILD_DIR:-$top/build}
export QT_QPA_PLATFORM=offscreen
# The libraries form layers: a link cycle among them fails the run.
python3 "$top/scripts/check-layers.py" "$build"
cd "$build"
ctest --output-on-failure -j "$(nproc)" "$@"
bash "$top/scripts/test-dates.sh" 2028-02-29
# Every reader of outside files under libFuzzer with the sanitizers, about 20 s each, in a
# build folder of its own (build-fuzz/); a crash, hang or sanitizer report fails the run.
# AUDIVOX_FUZZ_SECONDS=0 leaves it out.
fuzz_seconds=${AUDIVOX_FUZZ_SECONDS:-20}
if [ "$fuzz_seconds" -gt 0 ]; then
    bash "$top/scripts/fuzz.sh" "$fuzz_seconds"
fi
