#!/usr/bin/env bash
# Reads PBN files that Kesto writes with a PBN reader that is not Kesto's: the parser of npm's
# "pbn" package (pinned to 1.6.1), through scripts/pbn_outside_check.js, which checks the
# export lines, the fifteen tags in their order, board numbers, dealers, vulnerabilities and
# deals against Kesto's own deal records (kesto batch --list). The files: 36 generated boards,
# the hand-entered boards of a KST test file, and the deals of the other dealing program's
# DLM files in tests/data/interop, each saved by "kesto batch --save x.pbn".
#
# Installs Debian's nodejs and npm when they are missing, and the package into
# build/pbn-outside-check/. Not part of the normal suite: only this check needs the npm
# registry.
#
#   scripts/pbn-outside-check.sh      build kesto (build/ or BUILD_DIR), write, read, compare
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
work="$build/pbn-outside-check"

"$root/scripts/install-deps.sh"
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    echo "Installing: nodejs npm"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends nodejs npm
fi
mkdir -p "$work"
if [ ! -f "$work/node_modules/pbn/package.json" ]; then
    (cd "$work" && npm install --no-audit --no-fund --no-save pbn@1.6.1 >/dev/null)
fi

cmake -S "$root" -B "$build" -G Ninja ${CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j2 --target kesto

export QT_QPA_PLATFORM=offscreen
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
export KESTO_SETTINGS="$work/Kesto.reg"
export NODE_PATH="$work/node_modules"

# check NAME [--whole] -- batch options: saves NAME.pbn, lists the boards, reads the file back
# with the outside parser.
check() {
    local name=$1 whole=$2
    shift 3
    "$build/bin/kesto" batch "$@" --save "$work/$name.pbn" --list >"$work/$name.txt"
    node "$root/scripts/pbn_outside_check.js" "$work/$name.pbn" "$work/$name.txt" $whole
}

check generated --whole -- --seed 18 --generate 36 --header1 "Kesto Bridge Club" \
    --header2 "December 9, 2026"
check entered "" -- --read "$root/tests/data/kst/y_three_entered_boards.kst"
for dlm in "$root"/tests/data/interop/bigdeal/*.dlm; do
    check "$(basename "$dlm" .dlm)" --whole -- --read "$dlm"
done
echo "Every PBN file Kesto wrote was read by the outside parser as Kesto wrote it."
