#!/usr/bin/env bash
# Builds the libFuzzer harnesses (fuzz/) with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, seeds each from the course and from small files of its own,
# and runs each for the time asked. Every crash, hang, leak or sanitizer report is kept
# under build-fuzz/fuzz/findings/<harness>/ and makes the script fail.
#
#   bash scripts/fuzz.sh [SECONDS] [HARNESS...]
#
# SECONDS per harness (default 20, what CI runs); harnesses by name (statistics, settings,
# profiles, dictionary, exercise, bodies, dialogue, definitions, helppage, wave, ogg), all by
# default.
# AUDIVOX_FUZZ_BUILD names another build folder. Needs clang and libclang-rt-14-dev
# (scripts/debian-packages.txt).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
shift || true
all=(statistics settings profiles dictionary exercise bodies dialogue definitions helppage wave ogg)
if [ $# -gt 0 ]; then harnesses=("$@"); else harnesses=("${all[@]}"); fi
build=${AUDIVOX_FUZZ_BUILD:-$root/build-fuzz}
jobs=${AUDIVOX_FUZZ_JOBS:-2}

flags="-fsanitize=address,undefined -fno-sanitize=vptr -fno-sanitize-recover=all -fsanitize=fuzzer-no-link"
flags="$flags -fno-omit-frame-pointer -g"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DAUDIVOX_FUZZ=ON -DCMAKE_CXX_FLAGS="$flags" >/dev/null
targets=()
for h in "${harnesses[@]}"; do targets+=("fuzz_$h"); done
cmake --build "$build" --parallel "$jobs" --target "${targets[@]}"
built=$SECONDS

# Seeds: files of the course where it has them, and a few small ones written here.
seeds=$build/fuzz/seeds
rm -rf "$seeds"
mkdir -p "$seeds"
seed() { mkdir -p "$seeds/$1"; printf '%b' "$3" >"$seeds/$1/$2"; }
seed statistics empty.xml '<?xml version="1.0"?><cwiczenia></cwiczenia>\r\n'
seed statistics records.xml '<?xml version="1.0" encoding="UTF-8"?>\n<cwiczenia>\n <plik nazwa="Paczki\\\\a.xml">\n  <dane id="1"><data>01-12-2026</data><postep>42</postep><czas>00:00:00</czas><datapowtorka>2026-12-04=2</datapowtorka><posteppowtorka>42</posteppowtorka></dane>\n </plik>\n <plik nazwa=""><dane id="0"><postep>7</postep></dane></plik>\n</cwiczenia>\n'
seed statistics utf16.xml '\xff\xfe<\0?\0x\0m\0l\0 \0v\0e\0r\0s\0i\0o\0n\0=\0"\0001\0.\0000\0"\0?\0>\0<\0c\0w\0i\0c\0z\0e\0n\0i\0a\0/\0>\0'
seed settings config.xml '<?xml version="1.0"?>\r\n<config>\r\n<value id="1">0</value>\r\n<value id="5">61</value>\r\n<value id="6">3</value>\r\n</config>\r\n'
seed settings cp1250.xml '<?xml version="1.0" encoding="windows-1250"?><!-- \x9c --><config><value id="4">1</value></config>'
seed profiles usr.txt '\x81\x8f\x92\x9f\xa4\xa4\xa2=\r\n'
seed dictionary small.txt '\xff\xfe \0 \0 \0001\0 \0[\0003\0]\0r\0u\0n\0=\0b\0i\0e\0c\0\r\0\n\0'
seed wave tone.wav 'RIFF,\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x44\xac\0\0\x02\0\x10\0data\x08\0\0\0\x01\0\x02\0\x03\0\x04\0'
seed helppage page.html '<html><head><meta http-equiv="Content-Type" content="text/html; charset=windows-1250"></head><body>\xb9</body></html>'
mkdir -p "$seeds/exercise" "$seeds/definitions" "$seeds/helppage" "$seeds/ogg"
find "$root/content/Dane" -name '*.xml' -size -64k -exec cp -t "$seeds/exercise" {} + 2>/dev/null || true
# The body harnesses read the same exercise files.
cp -r "$seeds/exercise" "$seeds/bodies"
cp -r "$seeds/exercise" "$seeds/dialogue"
cp "$root/content/Config/definitions.xml" "$seeds/definitions/" 2>/dev/null || true
find "$root/content/Pomoc" -name '*.html' -size -64k -exec cp -t "$seeds/helppage" {} + 2>/dev/null || true
if [ -f "$root/build/program/Dane/Slownik.txt" ]; then
    head -c 8192 "$root/build/program/Dane/Slownik.txt" >"$seeds/dictionary/head.txt"
fi
if [ -d "$root/build/program/Media" ]; then
    find "$root/build/program/Media" -name '*.ogg' -size -64k | head -n 20 | xargs -r cp -t "$seeds/ogg" || true
fi
if [ -z "$(ls -A "$seeds/ogg")" ] && command -v sox >/dev/null && command -v oggenc >/dev/null; then
    { sox -n -r 22050 -c 1 -b 16 "$seeds/ogg/tone.wav" synth 0.3 sine 440 2>/dev/null &&
        oggenc -Q -o "$seeds/ogg/tone.ogg" "$seeds/ogg/tone.wav" && rm -f "$seeds/ogg/tone.wav"; } || true
fi

# Inputs that once found a fault are replayed first by every run.
for dir in "$root"/fuzz/regressions/*/; do
    [ -d "$dir" ] || continue
    h=$(basename "$dir")
    mkdir -p "$seeds/$h"
    cp "$dir"* "$seeds/$h/" 2>/dev/null || true
done
# Leaks that are a library's own, not the program's (each explained in the file).
export LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

status=0
printf '%-12s %12s %10s %s\n' harness executions findings corpus
for h in "${harnesses[@]}"; do
    corpus=$build/fuzz/corpus/$h
    findings=$build/fuzz/findings/$h
    mkdir -p "$corpus" "$findings" "$seeds/$h"
    log=$build/fuzz/$h.log
    set +e
    (cd "$findings" && "$build/fuzz/fuzz_$h" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len=65536 -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "$seeds/$h") >"$log" 2>&1
    code=$?
    set -e
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
    found=$(find "$findings" -type f | wc -l)
    printf '%-12s %12s %10s %s\n' "$h" "$runs" "$found" "$(find "$corpus" -type f | wc -l)"
    if [ "$code" -ne 0 ] || [ "$found" -ne 0 ]; then
        status=1
        grep -m 5 -E 'ERROR|runtime error|invariant broken|SUMMARY' "$log" | sed 's/^/    /' || true
    fi
done
echo "fuzz.sh: build ${built} s, whole run $SECONDS s"
exit $status
