#!/usr/bin/env bash
# Configures and builds Kesto into build/ (or the folder given as BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
# ccache, when present, keeps a rebuild of unchanged sources to a cache lookup.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja "${launcher[@]}" ${CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j2
