#!/usr/bin/env bash
# Checks that every C++ file is formatted as the root .clang-format says, with clang-format 15
# (Debian 12's default clang-format, version 14, cannot read the file). Run by scripts/test.sh.
# To mend a file: clang-format-15 -i FILE
#   scripts/check-format.sh [ROOT]
set -euo pipefail
root=$(cd "${1:-$(dirname "$0")/..}" && pwd)
cd "$root"
mapfile -t files < <(find . \( -path './build*' -o -path ./.git -o -path ./out \) -prune -o \
                         -type f \( -name '*.cpp' -o -name '*.h' \) -print | sort)
if ! clang-format-15 --dry-run --Werror "${files[@]}"; then
    echo "Not formatted as .clang-format says: run clang-format-15 -i on the files above" >&2
    exit 1
fi
echo "Every C++ file is formatted as .clang-format says (${#files[@]} files)"
