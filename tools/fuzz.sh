#!/usr/bin/env bash
# Builds the libFuzzer targets with Clang (build-fuzz/) and runs each for a
# bounded time. A crash, a failed check, a leak, a timeout or running out of
# memory stops the target, keeps the input in build-fuzz/findings/<target>/
# and makes this script fail.
#
#   tools/fuzz.sh [SECONDS] [TARGET...]     default: 60 s each, every target
#
# New coverage found along the way is kept in build-fuzz/corpus/<target>/
# (seeded from fuzz/corpus/<target>/), so longer runs build on earlier ones.
# To keep an interesting input for good, copy it into fuzz/corpus/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
build_dir=${FUZZ_BUILD_DIR:-build-fuzz}
targets=("$@")
if [ "${#targets[@]}" -eq 0 ]; then
    targets=(vxc_reader transaction_engine)
fi

cmake -S . -B "$build_dir" -G Ninja \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
    -DVEXLOR_FUZZ=ON -DVEXLOR_BUILD_TESTS=OFF >/dev/null
cmake --build "$build_dir" --target "${targets[@]/#/fuzz_}" -- -j2

# Leaks are findings too; Qt's own one-time allocations are not ours. A
# smaller quarantine keeps the resident size of long runs well under the
# memory limit (the default 256 MiB, spread over the allocator's size classes,
# grows past 1 GiB in an hour of varied inputs).
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=1:symbolize=1:quarantine_size_mb=64"
export LSAN_OPTIONS="suppressions=$PWD/tools/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

status=0
summary=()
for target in "${targets[@]}"; do
    corpus="$build_dir/corpus/$target"
    findings="$build_dir/findings/$target"
    mkdir -p "$corpus" "$findings"
    dict=()
    if [ -f "fuzz/$target.dict" ]; then
        dict=(-dict="fuzz/$target.dict")
    fi
    log="$build_dir/fuzz-$target.log"
    echo "== fuzz_$target for ${seconds} s"
    # -max_total_time bounds the run; -timeout catches a hang on one input,
    # -rss_limit_mb and -malloc_limit_mb unbounded memory.
    if "$build_dir/bin/fuzz_$target" "$corpus" "fuzz/corpus/$target" "${dict[@]}" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=512 \
        -max_len=4096 -print_final_stats=1 -artifact_prefix="$findings/" >"$log" 2>&1; then
        result="no finding"
    else
        result="FINDING (see $log and $findings/)"
        status=1
        tail -n 60 "$log"
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    secs=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 || true)
    summary+=("fuzz_$target: ${runs:-?} executions in ${secs:-$seconds} s, ${cov:-cov: ?}, $result")
done

printf '%s\n' "${summary[@]}"
exit "$status"
