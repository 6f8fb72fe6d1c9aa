#!/usr/bin/env bash
# Usage: check_ts_current.sh LUPDATE SOURCE_LIST TS_FILE...
# Runs lupdate as `update_translations` does, on copies of the .ts files, and
# fails when any copy changes: a text added, changed or dropped in the sources
# that the translation files do not yet have.
set -euo pipefail
lupdate=$1 list=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copies=()
for ts in "$@"; do
    cp "$ts" "$work/"
    copies+=("$work/$(basename "$ts")")
done
# shellcheck disable=SC2086 # the options are words
"$lupdate" @"$list" $VEXLOR_LUPDATE_OPTIONS -ts "${copies[@]}" >"$work/lupdate.log" 2>&1 \
    || { cat "$work/lupdate.log"; exit 1; }
status=0
for ts in "$@"; do
    if ! cmp -s "$ts" "$work/$(basename "$ts")"; then
        echo "FAIL: $(basename "$ts") is not current; run: cmake --build build --target update_translations"
        diff -u "$ts" "$work/$(basename "$ts")" | head -40
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "OK: every .ts file holds exactly the sources' texts"
exit "$status"
