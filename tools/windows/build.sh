#!/usr/bin/env bash
# Cross-builds the tool for 64-bit Windows with Debian's MinGW-w64 and Qt for
# Windows: the window, the CLI, their tests, the setup program and the
# portable zip.
#   tools/windows/build.sh [BUILD_DIR [TOOLKIT]]
# BUILD_DIR defaults to build-windows; TOOLKIT is Qt for Windows as
# tools/windows/unpack-qt.sh takes it (default ../shared/windows/). The setup
# program and the zip carry the PDF guides of a Linux build, from the folder
# VEXLOR_DOCUMENTS_DIR (default build/bin). The programs land in
# BUILD_DIR/bin, which runs under Wine as it is; the packages in
# BUILD_DIR/packages.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build_dir=${1:-$root/build-windows}
qt=$("$root/tools/windows/unpack-qt.sh" ${2:+"$2"})
documents=${VEXLOR_DOCUMENTS_DIR:-$root/build/bin}

options=()
if command -v ccache >/dev/null; then
    options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
if command -v wine >/dev/null; then
    options+=(-DCMAKE_CROSSCOMPILING_EMULATOR=wine) # ctest in BUILD_DIR runs the tests under Wine
fi
cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/tools/windows/mingw-w64-toolchain.cmake" \
    -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DVEXLOR_DOCUMENTS_DIR="$documents" "${options[@]}"
cmake --build "$build_dir"
cmake --build "$build_dir" --target windows_packages
