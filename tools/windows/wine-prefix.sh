#!/usr/bin/env bash
# The windows stage's Wine prefix:
#   tools/windows/wine-prefix.sh start PREFIX   makes it ready and keeps a Wine
#                                               server running for the tests
#   tools/windows/wine-prefix.sh stop PREFIX    ends that server
# The prefix's temporary folder is a short one (Z:\tmp), as tests that check
# messages quoting a path expect from Linux.
set -euo pipefail
export WINEPREFIX=$2 WINEDEBUG=-all
case $1 in
start)
    mkdir -p "$WINEPREFIX"
    # A server that outlives each program spares every test Wine's start;
    # one still running from an earlier run serves as well.
    wineserver -p 120 2>/dev/null || true
    wineboot -i >/dev/null 2>&1
    for name in TEMP TMP; do
        wine reg add 'HKCU\Environment' /v $name /d 'Z:\tmp' /f >/dev/null 2>&1
    done
    ;;
stop)
    wineserver -k 2>/dev/null || true
    ;;
esac
