#!/usr/bin/env bash
# Installs the Debian packages Kesto needs to build, run and test, where missing; with
# arguments, those packages instead (scripts/package.sh asks for its own tools so).
set -euo pipefail
# cups: the print queue test starts a CUPS scheduler of its own (cupsd, lpadmin, lpstat and
# the gziptoany filter); nothing else uses the system's printing. libdds-dev: the double-dummy
# solver's header for the build; the program loads the solver itself (libdds.so.0, the package
# libdds0, which libdds-dev brings along) when an analysis first asks for it. clang-format-15:
# scripts/test.sh checks the formatting with it (clang-format 14 cannot read .clang-format).
# dealer: the tests of dealer scripts ask Debian's dealer whether it produces each board Kesto
# deals, and bench_dealer_scripts times it beside Kesto; nothing else uses it.
packages=(g++ cmake ninja-build pkg-config libgtest-dev libbenchmark-dev
          qt6-base-dev libgl-dev libxkbcommon-dev xvfb xauth
          poppler-utils fonts-dejavu-core fonts-liberation clang libclang-rt-14-dev cups
          libdds-dev ccache clang-format-15 dealer
          desktop-file-utils appstream xdg-utils shared-mime-info libfile-mimeinfo-perl man-db)
# The installed program's test checks the desktop files with the desktops' own tools; xdg-mime
# reads the file types through mimetype (libfile-mimeinfo-perl).
[ $# -gt 0 ] && packages=("$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
