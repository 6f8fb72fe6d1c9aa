#!/usr/bin/env bash
# Runs the test suite while stress-ng keeps twice as many CPU workers busy as
# the machine has cores, so that a test whose verdict depends on how busy the
# machine is shows it here rather than on someone's busy day. Each test runs
# once: nothing is retried. Prints each test's verdict and exits non-zero when
# any test failed.
#
#   tools/test-under-load.sh [--all] [--jobs N] [BUILD_DIR]
#
#   --all     also the windows and vm labels (the Windows build under Wine,
#             the virtual machine); without it they are left out
#   --jobs N  tests run side by side (default: the number of cores)
#   BUILD_DIR the build folder (default build/), configured and built first
set -euo pipefail
cd "$(dirname "$0")/.."

labels=(-LE 'windows|vm')
jobs=$(nproc)
build_dir=build
while [ $# -gt 0 ]; do
    case "$1" in
        --all) labels=() ;;
        --jobs) jobs=$2; shift ;;
        -h|--help) sed -n '2,14s/^# \{0,1\}//p' "$0"; exit 0 ;;
        -*) echo "test-under-load.sh: unknown option $1" >&2; exit 2 ;;
        *) build_dir=$1 ;;
    esac
    shift
done

if ! command -v stress-ng >/dev/null; then
    echo "test-under-load.sh: stress-ng is missing (tools/install-deps.sh installs it)" >&2
    exit 2
fi

[ -f "$build_dir/CMakeCache.txt" ] || cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build_dir"

workers=$((2 * $(nproc)))
log=$(mktemp)
stress_pid=
stop_stress() {
    if [ -n "$stress_pid" ] && kill -0 "$stress_pid" 2>/dev/null; then
        kill -TERM "$stress_pid" 2>/dev/null || true
        wait "$stress_pid" 2>/dev/null || true
    fi
    rm -f "$log"
}
trap stop_stress EXIT
trap 'exit 130' INT TERM

# The timeout only guards against a stress-ng left behind if this shell is
# killed outright; the trap stops it at the end of every normal run.
stress-ng --cpu "$workers" --timeout 4h --quiet &
stress_pid=$!
sleep 1
kill -0 "$stress_pid" 2>/dev/null || { echo "test-under-load.sh: stress-ng did not start" >&2; exit 2; }
echo "== load: stress-ng --cpu $workers (process $stress_pid) on $(nproc) cores"

start=$SECONDS
status=0
ctest --test-dir "$build_dir" --output-on-failure --no-tests=error -j "$jobs" "${labels[@]}" \
    2>&1 | tee "$log" || status=$?
elapsed=$((SECONDS - start))

# One line a test, in the order they ended: its name and verdict.
verdict='s/^ *[0-9]+\/[0-9]+ Test +#[0-9]+: ([^ ]+) [ .]*(\*\*\*)?(Passed|Failed|Timeout|Skipped|Not Run|Exception[^0-9]*).*/\1 \3/p'
echo "== verdicts under load"
sed -nE "$verdict" "$log" | sed -E 's/ +$//'
failed=$(sed -nE "$verdict" "$log" | sed -E 's/ +$//' | { grep -vE ' (Passed|Skipped)$' || true; } |
    cut -d' ' -f1 | tr '\n' ' ' | sed 's/ $//')
count=$(grep -cE '^ *[0-9]+/[0-9]+ Test +#' "$log" || true)
echo "== under load: ${elapsed} s, ${count} tests, failed: ${failed:-none}"
if [ -n "$failed" ] || [ "$status" -ne 0 ]; then
    exit 1
fi
