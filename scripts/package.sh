#!/usr/bin/env bash
# Builds the Debian package, kesto_<version>_amd64.deb, in build-package/ (or BUILD_DIR), and
# checks it with lintian. Install it with: sudo apt install ./build-package/kesto_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-package}
"$root/scripts/install-deps.sh"
"$root/scripts/install-deps.sh" dpkg-dev lintian
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF \
    ${CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j2
(cd "$build" && rm -f kesto_*.deb && cpack -G DEB >/dev/null)
deb=$(ls "$build"/kesto_*.deb)
lintian --fail-on error "$deb"
echo "$deb"
