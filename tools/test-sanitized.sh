#!/usr/bin/env bash
# Builds every program and test with AddressSanitizer and
# UndefinedBehaviorSanitizer (in build-asan/, with the system compiler) and
# runs the whole test suite there. Any finding, a leak included, fails the run.
# float-cast-overflow is named because GCC's "undefined" leaves it out.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${ASAN_BUILD_DIR:-build-asan}

# Leaks count as findings; tools/sanitizers/lsan.supp may name allocations
# kept by libraries we do not build (Qt, fontconfig), never our own.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$PWD/tools/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export QT_QPA_PLATFORM=offscreen

# -O1 and line tables only (-g1): a third less compiling than -O2 -g, and the
# sanitizers' reports still name each frame's file and line.
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
    -DVEXLOR_SANITIZE=address,undefined,float-cast-overflow
cmake --build "$build_dir"
# The virtual-machine test (label vm) runs in the normal build only: it checks
# the kernel's cable path, which the sanitizers do not look into; so does the
# windows stage, whose programs are not built here.
ctest --test-dir "$build_dir" --output-on-failure --no-tests=error -LE "vm|windows" \
    -j "${VEXLOR_TEST_JOBS:-$(nproc)}"
