#!/usr/bin/env bash
# Installs what is missing, builds Kesto and starts it. Without a display it says so and
# runs a demonstration batch into out/ instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
BUILD_DIR=${BUILD_DIR:-$root/build} "$root/scripts/build.sh"
bin=${BUILD_DIR:-$root/build}/bin
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$bin/kesto" "$@"
fi
echo "No display found (DISPLAY is not set): Kesto's window cannot open here."
echo "Running a demonstration batch instead; its output goes to $root/out/."
mkdir -p "$root/out"
"$bin/kesto" batch --seed 0 --generate 30 --header1 "Club night" --header2 "Demonstration" \
    --list --save "$root/out/deals.kst" --save "$root/out/deals.dlm" --save "$root/out/deals.dup" \
    --html "$root/out/deals.htm" --stats \
    --print --copies 1 --sets 1 --stat-sheets 1 --curtains --output-folder "$root/out/printouts" \
    | tee "$root/out/deals.txt"
# The page finds its suit and board images beside it.
cp "$bin"/GIF/spade.gif "$bin"/GIF/heart.gif "$bin"/GIF/diamond.gif "$bin"/GIF/club.gif \
    "$bin"/GIF/board.gif "$root/out/"
echo "Demonstration finished: $root/out/"
