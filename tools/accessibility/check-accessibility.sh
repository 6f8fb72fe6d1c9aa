#!/usr/bin/env bash
# Reads the window's accessibility tree through AT-SPI, as a screen reader
# would, on a virtual display and a session bus of its own, with a fresh home
# so no earlier choices apply. Ends with 77 where AT-SPI's Python binding, Xvfb
# or dbus-run-session is missing (tools/install-deps.sh brings them).
#   tools/accessibility/check-accessibility.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/../.."
build_dir=$(cd "${1:-build}" && pwd)
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null \
    || ! command -v Xvfb >/dev/null || ! command -v dbus-run-session >/dev/null; then
    echo "AT-SPI's Python binding, Xvfb or dbus-run-session is missing: skipped"
    exit 77
fi
home=$(mktemp -d)
xvfb=
# Waits for the display server to be gone, so that the next run cannot lose
# its display's socket to this one's clean-up.
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null; rm -rf "$home"' EXIT
# A display of a number picked at random from a high range, as the low ones
# may be another virtual display's in another mount namespace on this machine.
display=
for _ in $(seq 20); do
    number=$((100 + RANDOM % 800))
    [ -e "/tmp/.X$number-lock" ] && continue
    # -noreset: the AT-SPI bus launcher connects and leaves first; a server that
    # reset then would turn the window away.
    Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp -noreset 2>"$home/xvfb.log" &
    xvfb=$!
    for _ in $(seq 300); do # 30 s: a busy machine may be slow to start it
        [ -S "/tmp/.X11-unix/X$number" ] || ! kill -0 "$xvfb" 2>/dev/null && break
        sleep 0.1
    done
    if [ -S "/tmp/.X11-unix/X$number" ] && kill -0 "$xvfb" 2>/dev/null; then
        display=:$number
        break
    fi
    xvfb=
done
if [ -z "$display" ]; then
    echo "Xvfb did not start:"
    cat "$home/xvfb.log"
    exit 1
fi
# On that display whatever platform the caller's environment names (the
# sanitized run names offscreen, which has no accessibility bridge).
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
    XDG_RUNTIME_DIR=$home LANG=C LC_ALL=C VEXLOR_DATA_DIR="$build_dir/bin" \
    DISPLAY=$display QT_QPA_PLATFORM=xcb \
    dbus-run-session -- tools/accessibility/read-window-tree.py "$build_dir/bin/vexlor-adjustor" \
    || { echo "Xvfb on $display said:"; cat "$home/xvfb.log"; exit 1; }
