#!/usr/bin/env bash
# Builds everything and runs every test through CTest. A run that executes no
# test fails.
#
# The windows stage (CTest label windows: the cross build for Windows and its
# tests under Wine, tests/windows) runs after the others, timed on its own;
# where MinGW-w64, Wine, NSIS or Qt for Windows is missing it says so and
# counts as skipped.
#
# Then the robustness stages: the whole suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer (tools/test-sanitized.sh), and every fuzz target
# for VEXLOR_FUZZ_SECONDS each (default 60; tools/fuzz.sh). A finding fails
# the run. VEXLOR_SKIP_ROBUSTNESS=1 runs the first stage only. Their build
# folders are named after the first one: build-asan/ and build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build_dir"
# The tests hold on a busy machine, so they run side by side, one per core
# (VEXLOR_TEST_JOBS); the virtual machine boots alone after them.
jobs=${VEXLOR_TEST_JOBS:-$(nproc)}
ctest --test-dir "$build_dir" --output-on-failure --no-tests=error -LE 'windows|vm' -j "$jobs"
ctest --test-dir "$build_dir" --output-on-failure -L vm
echo "== build and tests: ${SECONDS} s"
stage_start=$SECONDS
ctest --test-dir "$build_dir" --output-on-failure --no-tests=error -L windows
echo "== windows stage: $((SECONDS - stage_start)) s"

if [ "${VEXLOR_SKIP_ROBUSTNESS:-0}" != 1 ]; then
    stage_start=$SECONDS
    ASAN_BUILD_DIR="$build_dir-asan" tools/test-sanitized.sh
    echo "== sanitized build and tests: $((SECONDS - stage_start)) s"
    stage_start=$SECONDS
    FUZZ_BUILD_DIR="$build_dir-fuzz" tools/fuzz.sh "${VEXLOR_FUZZ_SECONDS:-60}"
    echo "== fuzzing: $((SECONDS - stage_start)) s"
fi
echo "== all stages: ${SECONDS} s"
