#!/usr/bin/env bash
# Runs the cross build's tests (core, CLI and Windows tests) under Wine:
#   tools/windows/run-tests.sh BUILD_DIR
# Wine loses a Windows test's standard output, so each test also logs to a
# file; the logs of the tests that failed are printed here.
set -uo pipefail
build_dir=$1
ctest --test-dir "$build_dir" --output-on-failure --no-tests=error
status=$?
if [ $status -ne 0 ] && [ -f "$build_dir/Testing/Temporary/LastTestsFailed.log" ]; then
    while IFS=: read -r _ name; do
        find "$build_dir/tests" -name "$name.log" -exec cat {} \;
    done < "$build_dir/Testing/Temporary/LastTestsFailed.log"
fi
exit $status
