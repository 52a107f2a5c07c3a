#!/usr/bin/env bash
# Installs what is missing, builds Kesto and its libraries, and runs every test.
#
#   scripts/test.sh [ctest arguments]   the suite, built once with gcc (build/)
#   scripts/test.sh --sanitize [...]    the suite built with AddressSanitizer and
#                                       UndefinedBehaviorSanitizer (build-sanitize/)
#   scripts/test.sh --fuzz              everything outside kesto/gui built with clang and
#                                       -Werror, then the bounded fuzz pass: every fuzz target
#                                       for KESTO_FUZZ_SECONDS (default 20) seconds (build-fuzz/)
#   scripts/test.sh --all               all three, one after the other
# The options combine: CI runs "--sanitize --fuzz" (the sanitized build runs every test of
# the suite on the same optimised code, so a second, plain build would only cost time; the
# fuzz targets need clang anyway, so the clang build that fails on any warning shares their
# folder). Every mode first checks the layering of the folders and the formatting.
# BUILD_DIR, SANITIZE_BUILD_DIR and FUZZ_BUILD_DIR name other build folders.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen

plain=false sanitize=false fuzz=false
while [ $# -gt 0 ]; do
    case "$1" in
        --sanitize) sanitize=true ;;
        --fuzz) fuzz=true ;;
        --all) plain=true sanitize=true fuzz=true ;;
        *) break ;;
    esac
    shift
done
if ! $sanitize && ! $fuzz; then
    plain=true
fi

echo "== The layering and the formatting"
"$root/scripts/check-layering.sh" "$root"
"$root/scripts/check-format.sh" "$root"

if $plain; then
    echo "== The test suite"
    BUILD_DIR=${BUILD_DIR:-$root/build} "$root/scripts/build.sh"
    ctest --test-dir "${BUILD_DIR:-$root/build}" --output-on-failure -j2 "$@"
fi

if $sanitize; then
    echo "== The test suite under AddressSanitizer and UndefinedBehaviorSanitizer"
    # Any report ends the test program with a failure (-fno-sanitize-recover=all). A library
    # unloaded with dlclose takes its static data along, so what its initialisers allocated
    # looks leaked: leaks made inside a library's initialisation are not reported (the full
    # unwinder is needed to see that frame). The double-dummy solver keeps its threads' working
    # memory for the life of the process and drops the pointers to it at exit: that is the
    # library's own, not ours. It is loaded when an analysis first asks for it and never
    # unloaded, so its frames keep their library's name; a process that loaded it runs the leak
    # check itself and ends before that memory is dropped (dds_solver.cpp).
    sanitize_build=${SANITIZE_BUILD_DIR:-$root/build-sanitize}
    BUILD_DIR=$sanitize_build CMAKE_ARGS="-DKESTO_SANITIZE=ON" "$root/scripts/build.sh"
    printf 'leak:_dl_init\nleak:libdds.so\n' >"$sanitize_build/lsan.supp"
    export ASAN_OPTIONS=${ASAN_OPTIONS:-fast_unwind_on_malloc=0}
    export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$sanitize_build/lsan.supp}
    export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
    ctest --test-dir "$sanitize_build" --output-on-failure -j2 "$@"
fi

if $fuzz; then
    echo "== Everything outside kesto/gui with clang, warnings as errors"
    # The core libraries, the batch command, libkestweb2.so, the image and benchmark programs
    # and the fuzz targets: all that builds without Qt.
    fuzz_build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
    BUILD_DIR=$fuzz_build CMAKE_ARGS="-DCMAKE_CXX_COMPILER=clang++ -DKESTO_FUZZ=ON \
        -DKESTO_WERROR=ON -DKESTO_BUILD_GUI=OFF -DBUILD_TESTING=OFF \
        -DKESTO_FUZZ_SECONDS=${KESTO_FUZZ_SECONDS:-20} ${CMAKE_ARGS:-}" "$root/scripts/build.sh"

    echo "== The bounded fuzz pass (${KESTO_FUZZ_SECONDS:-20} s a target)"
    # Two targets at a time, one a core.
    ctest --test-dir "$fuzz_build" -L fuzz --output-on-failure -j2
fi
