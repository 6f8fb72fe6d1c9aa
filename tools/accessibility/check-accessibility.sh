#!/usr/bin/env bash
# Reads the window's accessibility tree through AT-SPI, as a screen reader
# would, on a virtual display and a session bus of its own, with a fresh home
# so no earlier choices apply. Ends with 77 where AT-SPI's Python binding or
# the virtual display is missing (tools/install-deps.sh brings them).
#   tools/accessibility/check-accessibility.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/../.."
build_dir=$(cd "${1:-build}" && pwd)
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null \
    || ! command -v xvfb-run >/dev/null || ! command -v dbus-run-session >/dev/null; then
    echo "AT-SPI's Python binding, xvfb-run or dbus-run-session is missing: skipped"
    exit 77
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
    XDG_RUNTIME_DIR=$home LANG=C LC_ALL=C VEXLOR_DATA_DIR="$build_dir/bin" \
    xvfb-run -a -s "-screen 0 1024x768x24" \
    dbus-run-session -- tools/accessibility/read-window-tree.py "$build_dir/bin/vexlor-adjustor"
