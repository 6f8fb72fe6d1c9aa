#!/usr/bin/env bash
# Renders the main window's two tabs, the compare and restore dialogs, the
# bike's label and History, the setup assistant's pages and the splash banner
# into PNG files, the two tabs again in German (with the setup assistant),
# Polish, Italian and Spanish, under a dark desktop's palette and at 200 %, on
# a virtual X display:
#   tools/take-screenshots.sh [BUILD_DIR] [OUTPUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${1:-build}
out_dir=${2:-docs}
cmake --build "$build_dir" --target window-shots
# New reads default.vxc from the build's data files, beside the programs.
for language in "" de pl it es; do
    VEXLOR_DATA_DIR="$build_dir/bin" xvfb-run -a -s "-screen 0 1024x768x24" \
        "$build_dir/tools/window-shots/window-shots" "$out_dir" $language
done
for look in --dark --scaled; do
    VEXLOR_DATA_DIR="$build_dir/bin" xvfb-run -a -s "-screen 0 2048x1536x24" \
        "$build_dir/tools/window-shots/window-shots" $look "$out_dir"
done
