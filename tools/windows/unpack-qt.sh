#!/usr/bin/env bash
# Makes Qt for Windows (MinGW-w64, x86_64) ready for the cross build and prints
# the folder to hand to CMake as CMAKE_PREFIX_PATH:
#   tools/windows/unpack-qt.sh [TOOLKIT]
# TOOLKIT is the prebuilt tarball (qt-6.4.2-mingw-w64.tar.xz) or a folder that
# holds an unpacked Qt for MinGW (lib/cmake/Qt6 inside), for those who build
# their own. Without it: $VEXLOR_WINDOWS_QT, else ../shared/windows/ seen from
# the project's root (or from the main checkout, for a git worktree). A tarball is unpacked once into
# ${XDG_CACHE_HOME:-~/.cache}/vexlor-windows/ and used from there; a changed
# tarball is unpacked again. Exit 1, saying why, when there is no toolkit.
# With --check first, only says whether there is one (exit 0 or 1).
set -euo pipefail
check=0
if [ "${1:-}" = --check ]; then
    check=1
    shift
fi
root=$(cd "$(dirname "$0")/../.." && pwd)
tarball=shared/windows/qt-6.4.2-mingw-w64.tar.xz
toolkit=${1:-${VEXLOR_WINDOWS_QT:-}}
if [ -z "$toolkit" ]; then
    toolkit=$root/../$tarball
    main_checkout=$(git -C "$root" rev-parse --path-format=absolute --git-common-dir 2>/dev/null || true)
    if [ ! -e "$toolkit" ] && [ -n "$main_checkout" ] && [ -e "$main_checkout/../../$tarball" ]; then
        toolkit=$main_checkout/../../$tarball
    fi
fi

if [ -d "$toolkit" ]; then
    if [ ! -f "$toolkit/lib/cmake/Qt6/Qt6Config.cmake" ]; then
        echo "unpack-qt: $toolkit holds no Qt 6 (lib/cmake/Qt6/Qt6Config.cmake)" >&2
        exit 1
    fi
    cd "$toolkit" && pwd
    exit 0
fi
if [ ! -f "$toolkit" ]; then
    echo "unpack-qt: no Qt for Windows at $toolkit (give the tarball or an unpacked folder)" >&2
    exit 1
fi
if [ "$check" = 1 ]; then
    echo "$toolkit"
    exit 0
fi

cache=${XDG_CACHE_HOME:-$HOME/.cache}/vexlor-windows
name=$(basename "$toolkit")
name=${name%.tar.*}
target=$cache/$name
# The tarball's size and time tell whether the copy in the cache is its own.
stamp="$(stat -c '%s %Y' "$toolkit") $toolkit"
if [ -f "$target/.unpacked-from" ] && [ "$(cat "$target/.unpacked-from")" = "$stamp" ]; then
    echo "$target"
    exit 0
fi
mkdir -p "$cache"
partial=$(mktemp -d "$cache/.unpack.XXXXXX")
trap 'rm -rf "$partial"' EXIT
tar -xJf "$toolkit" -C "$partial"
if [ ! -f "$partial/$name/lib/cmake/Qt6/Qt6Config.cmake" ]; then
    echo "unpack-qt: $toolkit does not hold $name/lib/cmake/Qt6" >&2
    exit 1
fi
echo "$stamp" > "$partial/$name/.unpacked-from"
rm -rf "$target"
mv "$partial/$name" "$target"
echo "$target"
