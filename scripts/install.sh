#!/usr/bin/env bash
# Builds Kesto and installs it under /usr/local, or the prefix given, with its menu entry,
# icons, file types and manual page:  scripts/install.sh [PREFIX]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
prefix=${1:-/usr/local}
build=${BUILD_DIR:-$root/build-install}
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_TESTING=OFF \
    ${CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j2
sudo=""
[ -w "$(dirname "$prefix")" ] || [ -w "$prefix" ] || sudo="sudo"
$sudo cmake --install "$build"
# The desktops learn of the new menu entry and file types.
$sudo update-mime-database "$prefix/share/mime" >/dev/null 2>&1 || true
$sudo update-desktop-database "$prefix/share/applications" >/dev/null 2>&1 || true
echo "Kesto is installed in $prefix: run $prefix/bin/kesto, or find it in the menu."
