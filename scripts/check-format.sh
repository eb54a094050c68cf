#!/usr/bin/env bash
# Fails when a C++ file git tracks is not laid out as .clang-format says; lists the files.
# With --fix, formats them in place instead.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
format=$(command -v clang-format-14 || command -v clang-format || true)
if [[ -z $format ]]; then
    echo "clang-format is not installed (scripts/debian-packages.txt names it)" >&2
    exit 1
fi
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [[ ${1:-} == --fix ]]; then
    "$format" -i "${files[@]}"
    exit 0
fi
bad=()
for f in "${files[@]}"; do
    "$format" --dry-run -Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done
if ((${#bad[@]})); then
    printf 'Not formatted (run scripts/check-format.sh --fix):\n' >&2
    printf '  %s\n' "${bad[@]}" >&2
    exit 1
fi
echo "Formatting: ${#files[@]} files as .clang-format says"
