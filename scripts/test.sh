#!/usr/bin/env bash
# Installs what is missing, builds Kesto and its libraries, and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen
BUILD_DIR=${BUILD_DIR:-$root/build} "$root/scripts/build.sh"
ctest --test-dir "${BUILD_DIR:-$root/build}" --output-on-failure -j2 "$@"
