#!/usr/bin/env bash
# Opens an HTML page of 36 boards with statistics, as the "&Create" command writes it, in
# headless Chromium with the suit and board images beside it: checks that every image of the
# page loaded, and keeps a screenshot (docs/screenshots/html_page.png, or SCREENSHOT=...).
# Installs Debian's chromium when it is missing. Not part of the normal suite: the browser is
# a large package that only this check needs.
#
#   scripts/html-page-check.sh         build (build/ or BUILD_DIR), write, open, check
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
out=${OUT_DIR:-$root/out/html-page}
screenshot=${SCREENSHOT:-$root/docs/screenshots/html_page.png}

"$root/scripts/install-deps.sh"
if ! command -v chromium >/dev/null; then
    echo "Installing: chromium"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends chromium
fi

cmake -S "$root" -B "$build" -G Ninja ${CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j2 --target html_tests kestweb2 kesto_gifs

# The page, written through the export command by its test, and the images it refers to.
rm -rf "$out"
mkdir -p "$out"
KESTO_HTML_PAGE_OUT="$out" "$build/bin/html_tests" --gtest_filter='BrowserPage.*' >/dev/null
cp -r "$build/bin/GIF" "$out/GIF"

browser() {
    local profile
    profile=$(mktemp -d)
    timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-background-networking \
        --disable-component-update --disable-sync --no-first-run --user-data-dir="$profile" \
        "$@" 2>/dev/null
    rm -rf "$profile"
}

# A copy of the page that reports, once loaded, how many of its images decoded at the size
# the page gives them.
probe="$out/probe.htm"
{
    cat "$out/page.htm"
    printf '%s\n' '<SCRIPT>' \
        'window.addEventListener("load", function () {' \
        '  var all = document.images, ok = 0;' \
        '  for (var i = 0; i < all.length; i++) {' \
        '    var img = all[i];' \
        '    if (img.complete && img.naturalWidth == img.width && img.naturalHeight == img.height) ok++;' \
        '  }' \
        '  var p = document.createElement("P"); p.id = "probe";' \
        '  p.textContent = "images " + ok + " of " + all.length;' \
        '  document.body.appendChild(p);' \
        '});' '</SCRIPT>'
} >"$probe"
result=$(browser --virtual-time-budget=10000 --dump-dom "file://$probe" |
    grep -o 'images [0-9]* of [0-9]*' || true)
expected="images 612 of 612"  # 36 boards, 16 suit images and one board image each
echo "Chromium: ${result:-no result}"
if [ "$result" != "$expected" ]; then
    echo "FAILED: expected \"$expected\"" >&2
    exit 1
fi

mkdir -p "$(dirname "$screenshot")"
browser --hide-scrollbars --screenshot="$screenshot" --window-size=1200,2000 \
    "file://$out/page.htm" >/dev/null
[ -s "$screenshot" ] || { echo "FAILED: no screenshot" >&2; exit 1; }
echo "Screenshot: $screenshot"
echo "1 passed, 0 failed"
