#!/usr/bin/env bash
# Builds everything and runs every test through CTest. A run that executes no
# test fails.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build_dir"
ctest --test-dir "$build_dir" --output-on-failure --no-tests=error
