#!/usr/bin/env bash
# Checks that every include from one folder of the program into another is allowed by the
# first folder's CMake link list: a folder may include the headers of any library its own
# targets link, directly or through the libraries those link. Run by scripts/test.sh, so the
# layering in kesto/CMakeLists.txt and the README cannot drift unseen.
#   scripts/check-layering.sh [ROOT]
set -euo pipefail
root=$(cd "${1:-$(dirname "$0")/..}" && pwd)
cd "$root"

# The folders with libraries of their own; an include names its folder by its first one or
# two path parts ("kesto/deal/deal.h", "kestweb2/kestweb2.h").
folders=(kesto $(cd kesto && ls -d */ | sed 's|/$||; s|^|kesto/|') kestweb2 kestprt3 tests/support)

# "target folder" for every target defined, "target dependency" for every link, read from each
# folder's CMakeLists.txt with its comments left out and every call joined onto one line.
calls() {
    sed 's/#.*//' "$1/CMakeLists.txt" | tr '\n' ' ' | sed 's/)/)\n/g' |
        sed -nE 's/^[^(]*\b(kesto_subsystem|kesto_core_library|add_library|add_executable|target_link_libraries)\(/\1 /p' |
        sed 's/)$//'
}
defined=() links=()
for folder in "${folders[@]}"; do
    while read -r command target args; do
        [[ $command == target_link_libraries ]] || defined+=("$target $folder")
        case $command in
            kesto_subsystem | kesto_core_library) deps=${args#*DEPENDS} ;;
            target_link_libraries) deps=$args ;;
            *) continue ;;
        esac
        [[ $command != target_link_libraries && $args != *DEPENDS* ]] && continue
        for dep in $deps; do
            [[ $dep =~ ^(PUBLIC|PRIVATE|INTERFACE|SOURCES)$ || $dep == *'$'* ]] || links+=("$target $dep")
        done
    done < <(calls "$folder")
done

# Every target each folder reaches through its targets' links.
declare -A owner reach
for pair in "${defined[@]}"; do owner[${pair% *}]=${pair#* }; done
reached() {  # the targets $1 links, directly or not
    local seen=" $1 " queue=("$1") next pair
    while [ ${#queue[@]} -gt 0 ]; do
        next=${queue[0]} queue=("${queue[@]:1}")
        for pair in "${links[@]}"; do
            if [[ ${pair% *} == "$next" && $seen != *" ${pair#* } "* ]]; then
                seen+="${pair#* } " queue+=("${pair#* }")
            fi
        done
    done
    echo "$seen"
}
for pair in "${defined[@]}"; do
    folder=${pair#* }
    for target in $(reached "${pair% *}"); do
        [ -n "${owner[$target]:-}" ] && reach[$folder]+=" ${owner[$target]} "
    done
done

status=0
for folder in "${folders[@]}"; do
    depth=()
    [ "$folder" = kesto ] && depth=(-maxdepth 1)
    while IFS=: read -r file line include; do
        included=$(sed -E 's|^#include "([^"]*)".*|\1|' <<<"$include")
        target_folder=""
        for candidate in "${folders[@]}"; do
            [[ $included == "$candidate"/* && ${#candidate} -gt ${#target_folder} ]] &&
                target_folder=$candidate
        done
        [[ -z $target_folder || $target_folder == "$folder" ]] && continue
        if [[ ${reach[$folder]:-} != *" $target_folder "* ]]; then
            echo "$file:$line: includes $included, but $folder/CMakeLists.txt links nothing of $target_folder" >&2
            status=1
        fi
    done < <(find "$folder" "${depth[@]}" -name '*.cpp' -o -name '*.h' | sort |
                 xargs -r grep -Hn '^#include "')
done
[ $status -eq 0 ] && echo "Every include between folders follows the link lists"
exit $status
