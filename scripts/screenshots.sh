#!/usr/bin/env bash
# Takes pictures of the main window's three pages and of its dialogs under Xvfb, and of a page of
# deal sheets, of curtain cards and of a hand record and deal sheets with the makeable
# contracts, with fresh settings and the C locale, into docs/screenshots/
# (or the folder given as the first argument). A small window manager (twm) frames the windows,
# so that the pictures of message boxes can show their title bars; it and its fonts are
# installed when missing (only this script needs them).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/screenshots}
build=${BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
if ! command -v twm >/dev/null ||
    ! dpkg-query -W -f='${Status}' xfonts-base 2>/dev/null | grep -q "install ok installed"; then
    echo "Installing: twm xfonts-base"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends twm xfonts-base
fi
cmake -S "$root" -B "$build" -G Ninja ${CMAKE_ARGS:-} >/dev/null
cmake --build "$build" --target kesto kestprt3 kestweb2 -j2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export KESTO_SETTINGS=$work/Kesto.reg
export LC_ALL=C.UTF-8
mkdir -p "$out"
# New windows are placed without asking; twm also frames those already shown when it starts.
printf 'RandomPlacement\nNoGrabServer\nDecorateTransients\n' >"$work/twmrc"
cat >"$work/session.sh" <<SESSION
#!/bin/sh
LC_ALL=C twm -f "$work/twmrc" 2>/dev/null &
"$build/bin/kesto" --screenshot-dir "$out"
SESSION
chmod +x "$work/session.sh"
xvfb-run -a -s "-screen 0 1024x768x24" "$work/session.sh"
# The first page of the individual deal sheets and of the North curtain cards, as the printing
# library draws them for a print job of twelve boards with the default options.
"$build/bin/kesto" batch --seed 0 --generate 12 --print --sets 1 --curtains \
    --output-folder "$work/pdf" >/dev/null
pdftoppm -r 60 -png -singlefile "$work"/pdf/Deal\ sheets*.pdf "$out/deal_sheets"
pdftoppm -r 60 -png -singlefile "$work"/pdf/Curtain\ cards\ North*.pdf "$out/curtain_cards"
# The first page of a hand record and of the deal sheets with the makeable contracts, from a
# job whose par lines include long ones (board 2: two sacrifices), when the solver is there.
if "$build/bin/kesto" batch --seed 4 --generate 24 --analyse --print --copies 1 --sets 1 \
    --output-folder "$work/analysed" >/dev/null; then
    pdftoppm -r 60 -png -singlefile "$work"/analysed/Hand\ record*.pdf \
        "$out/makeable_contracts_hand_record"
    pdftoppm -r 60 -png -singlefile "$work"/analysed/Deal\ sheets*.pdf \
        "$out/makeable_contracts_deal_sheet"
fi
echo "Screenshots written to $out:"
ls -1 "$out"
