#!/usr/bin/env bash
# Starts the controller emulator and the window connected to it, so the tool
# can be tried without a controller or cable. Extra arguments go to the
# emulator (for example --paced, or --fault no-store-reply).
set -euo pipefail
bin_dir=$(cd "$(dirname "$0")/.." && pwd)/${BUILD_DIR:-build}/bin

sim_out=$(mktemp)
"$bin_dir/vexlor-controller-sim" "$@" > "$sim_out" &
sim_pid=$!
trap 'kill "$sim_pid" 2>/dev/null || true; rm -f "$sim_out"' EXIT

# The emulator prints its pseudo-terminal's path on its first line.
for _ in $(seq 50); do
    port=$(head -n 1 "$sim_out")
    [ -n "$port" ] && break
    sleep 0.1
done
if [ -z "${port:-}" ]; then
    echo "the controller emulator did not start" >&2
    exit 1
fi
echo "controller emulator on $port"

# Started from the folder that holds help.pdf, so Help > Help Topics finds it.
cd "$bin_dir"
VEXLOR_PORT=$port ./vexlor-adjustor
