#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs Kesto from there, as a user of the
# installed program would: nothing of the build folder is reachable, so the libraries, the
# manual and the images must come from the prefix. Then the desktop files are checked with
# the validators the desktops themselves use.
#   installed_test.sh BUILD_DIR TEST_DATA_DIR VERSION
set -euo pipefail
build=$(cd "$1" && pwd) data=$(cd "$2" && pwd) version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAILED: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
kesto=$prefix/bin/kesto
cd "$work"
export KESTO_SETTINGS=$work/settings.reg

[ "$("$kesto" --version)" = "kesto $version" ] || fail "--version"
"$kesto" batch --help | grep -q -- '--generate N' || fail "batch --help"
# The page library and the printing library load from lib/kesto.
"$kesto" batch --seed 7 --generate 4 --html page.html --print --copies 1 --output-folder out
grep -q 'spade.gif' page.html || fail "the page names no suit image"
ls out/*.pdf >/dev/null || fail "no printout"
# The solver runs in its own process, from lib/kesto; without it the analysis says where it
# belongs.
[ "$("$kesto" batch --seed 7 --generate 2 --analyse | wc -l)" = 2 ] || fail "--analyse"
mv "$prefix/lib/kesto/kesto-solver" "$work/kesto-solver"
message=$("$kesto" batch --seed 7 --generate 2 --analyse 2>&1 >/dev/null) && fail "--analyse without its solver"
[ "$message" = "kesto batch: The makeable contracts could not be worked out: the solver's program $prefix/lib/kesto/kesto-solver is missing (install Kesto again)." ] ||
    fail "the missing solver: $message"
mv "$work/kesto-solver" "$prefix/lib/kesto/kesto-solver"
for file in help/index.html help/search.html GIF/spade.gif GIF/board.gif; do
    [ -s "$prefix/share/kesto/$file" ] || fail "share/kesto/$file is not installed"
done
# The manual shows captions as a reader sees them, without the accelerator's "&".
! grep -l 'class="ui">[^<]*&amp;' "$prefix"/share/kesto/help/*.html || fail "a caption shows its &"

desktop=$prefix/share/applications/kesto.desktop
metainfo=$prefix/share/metainfo/org.kesto.Kesto.metainfo.xml
desktop-file-validate "$desktop"
# Every address the AppStream file gives is checked on the network: there must be none that
# does not exist.
! grep -q 'example\.' "$metainfo" || fail "the AppStream file gives a placeholder address"
appstreamcli validate --pedantic "$metainfo" >/dev/null
# The menu and the software centre file Kesto under one category, and not among the games.
category=$(sed -n 's/^Categories=\(.*\);$/\1/p' "$desktop")
[ "$category" = "$(sed -n 's|.*<category>\(.*\)</category>.*|\1|p' "$metainfo" | paste -sd';')" ] ||
    fail "the menu entry's category $category is not the AppStream file's"
case ";$category;" in *\;Game\;*) fail "Kesto is filed among the games" ;; esac
warnings=$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/kesto.1.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page: $warnings"
manual=$(MANWIDTH=80 man -l "$prefix/share/man/man1/kesto.1.gz")
for option in $("$kesto" batch --help | sed -n 's/^  \(--[a-z0-9-]*\).*/\1/p'); do
    grep -q -- "^       $option" <<<"$manual" || fail "the manual page lacks $option"
done
# The folders the manual page names are those of this install.
named=$(zcat "$prefix/share/man/man1/kesto.1.gz" | sed 's/\\-/-/g' | grep -o "$prefix[^\\]*" || true)
[ "$(wc -l <<<"$named")" -eq 3 ] || fail "the manual page names $(wc -l <<<"$named") folders of the install"
while read -r path; do
    [ -e "$path" ] || fail "the manual page names $path, which the install does not have"
done <<<"$named"

# The file manager's view: each kind is known by its contents or its extension, and opens
# in Kesto.
export XDG_DATA_HOME=$prefix/share
update-mime-database "$XDG_DATA_HOME/mime"
update-desktop-database "$XDG_DATA_HOME/applications"
cp "$data/pbn/y_comments.pbn" boards.pbn
cp "$data/pbn/y_comments.pbn" boards  # no extension: "% PBN" decides
cp "$data/kst/y_three_entered_boards.kst" club.kst
cp "$data/interop/bigdeal/bigdeal-1.dlm" machine.dlm
cp "$data/lin/y_three_boards.lin" online.lin
while read -r file type; do
    [ "$(xdg-mime query filetype "$file")" = "$type" ] || fail "$file is not $type"
    [ "$(xdg-mime query default "$type")" = "kesto.desktop" ] || fail "$type does not open Kesto"
done <<'LIST'
boards.pbn application/x-bridge-pbn
boards application/x-bridge-pbn
club.kst application/x-kesto
machine.dlm application/x-bridge-dlm
online.lin application/x-bridge-lin
LIST
echo "installed Kesto runs from $prefix"
