#!/usr/bin/env bash
# The whole cable path in a virtual machine: Debian's kernel with its real
# ftdi_sio driver under QEMU, whose emulated FTDI cable (usb-serial) carries
# the bytes to vexlor-controller-sim on this host. The guest's /init
# (guest-init.sh) runs vexlor-cli and prints the checks; this script builds
# the guest, answers its requests to plug and pull cables through QEMU's
# monitor, adds its own checks and prints a table.
#
# Usage: run-vm-test.sh VEXLOR_CLI CONTROLLER_SIM DEFAULT_VXC WORK_DIR
# Exit 0 all checks passed, 1 a check failed, 77 QEMU cannot run here.
# VEXLOR_VM_ACCEL=kvm|tcg forces an accelerator (default: KVM if it boots).
set -uo pipefail

cli=$(realpath "$1") sim=$(realpath "$2") settings=$(realpath "$3") work=$4
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$work"
work=$(realpath "$work")
cd "$work" || exit 1

t0=$EPOCHREALTIME
since() { awk "BEGIN { printf \"%.1f\", $EPOCHREALTIME - $1 }"; }
skip() { echo "SKIP: $*"; exit 77; }
die() { echo "FAIL: $*"; exit 1; }
command -v qemu-system-x86_64 >/dev/null || skip "qemu-system-x86_64 is not installed (package qemu-system-x86)"

# --- Debian's kernel, downloaded once into the build folder -----------------
kernel_package() {
    apt-cache depends linux-image-amd64 2>/dev/null |
        awk '/Depends: linux-image-[0-9]/ { print $2; exit }'
}
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

package=$(kernel_package)
if [ -z "$package" ]; then
    as_root apt-get update -qq >/dev/null
    package=$(kernel_package)
fi
[ -n "$package" ] || die "apt-cache names no linux-image package behind linux-image-amd64"
kernel_dir=$work/kernel/$package
if [ ! -e "$kernel_dir/ok" ]; then
    rm -rf "$work/kernel" && mkdir -p "$kernel_dir" && cd "$kernel_dir" || exit 1
    apt-get download "$package" >download.log 2>&1 ||
        { as_root apt-get update -qq >/dev/null && apt-get download "$package" >download.log 2>&1; } ||
        die "apt-get download $package failed: $(tail -n 3 download.log)"
    dpkg-deb --fsys-tarfile ./*.deb |
        tar -x --wildcards './boot/vmlinuz-*' './lib/modules/*/kernel/drivers/usb/*' ||
        die "cannot unpack $package"
    rm -f ./*.deb && touch ok
    cd "$work" || exit 1
fi
vmlinuz=$(echo "$kernel_dir"/boot/vmlinuz-*)

# --- The initramfs: busybox, the USB modules, the tool and its libraries ----
root=$work/root
rm -rf "$root" && mkdir -p "$root/bin" "$root/lib/modules" "$root/opt/vexlor"

# Copies an executable and every library it loads (as ldd lists them).
add_with_libraries() { # file destination
    cp -L "$1" "$root$2" || die "cannot copy $1"
    ldd "$1" 2>/dev/null | awk '$2 == "=>" && $3 ~ /^\// { print $3 } $1 ~ /^\// { print $1 }' |
        while read -r library; do
            mkdir -p "$root$(dirname "$library")"
            cp -L "$library" "$root$library"
        done
}
add_with_libraries /bin/busybox /bin/busybox
add_with_libraries "$cli" /opt/vexlor/vexlor-cli
# util-linux's setpriv runs the tool as a user who is not root
add_with_libraries "$(command -v setpriv)" /opt/vexlor/setpriv
objcopy --strip-debug "$root/opt/vexlor/vexlor-cli"
cp "$settings" "$root/opt/vexlor/default.vxc"
cp "$here/guest-init.sh" "$root/init" && chmod +x "$root/init"
for module in usb-common usbcore xhci-hcd xhci-pci usbserial ftdi_sio; do
    file=$(find "$kernel_dir/lib/modules" -name "$module.ko*" | head -n 1)
    case $file in
    *.ko) cp "$file" "$root/lib/modules/$module.ko" ;;
    *.ko.xz) xz -dc "$file" >"$root/lib/modules/$module.ko" ;;
    *) die "module $module is not in $package" ;;
    esac
done
(cd "$root" && find . | cpio -o -H newc --quiet >"$work/initramfs.cpio") || die "cannot pack the initramfs"
rm -rf "$root"

# --- The controller emulator behind the first cable -------------------------
pids=()
cleanup() {
    exec 5>&- 2>/dev/null
    # A stopped emulator takes the signal only once it runs again.
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; kill -CONT "$pid" 2>/dev/null; done
    wait 2>/dev/null
}
trap cleanup EXIT
trap 'exit 1' INT TERM
trap '' PIPE
rm -f sim.out sim.err # a stale path must not be read before the emulator writes its own
"$sim" --paced >sim.out 2>sim.err &
sim_pid=$!
pids+=("$sim_pid")
for _ in $(seq 600); do [ -s sim.out ] && break; sleep 0.1; done
pty=$(head -n 1 sim.out)
[ -c "$pty" ] || die "the controller emulator named no pseudo-terminal: $(cat sim.out sim.err)"

# --- QEMU -------------------------------------------------------------------
# QEMU's monitor (QMP) reads commands from a FIFO this script keeps open on
# fd 5 and answers into monitor.out.
start_qemu() { # accel
    local cpu=max
    [ "$1" = kvm ] && cpu=host
    rm -f monitor.in monitor.out qemu.err console.log trace.log cable1.out
    mkfifo monitor.in
    : >console.log
    qemu_t0=$EPOCHREALTIME
    qemu-system-x86_64 -accel "$1" -cpu "$cpu" -m 512 -smp 1 -nodefaults -display none -no-reboot \
        -kernel "$vmlinuz" -initrd initramfs.cpio -append "console=ttyS0 panic=-1" \
        -serial file:console.log -qmp stdio \
        -chardev "serial,id=c0,path=$pty" -chardev file,id=c1,path=cable1.out \
        -device qemu-xhci,id=xhci -device usb-serial,id=cable0,chardev=c0,always-plugged=on \
        -trace 'usb_serial_*' -D trace.log \
        <monitor.in >monitor.out 2>qemu.err &
    qemu_pid=$!
    exec 5>monitor.in
    monitor qmp_capabilities
}
monitor() { # command [JSON arguments]
    echo "{\"execute\": \"$1\"${2:+, \"arguments\": $2}}" >&5 || echo "monitor: cannot send $1"
}
plug() { # id chardev
    monitor device_add "{\"driver\": \"usb-serial\", \"id\": \"$1\", \"chardev\": \"$2\", \"always-plugged\": true}"
}
unplug() { monitor device_del "{\"id\": \"$1\"}"; }

# Waits up to $2 seconds for a console line matching $1; fails early if QEMU ends.
console_wait() {
    local end=$((SECONDS + $2))
    while [ $SECONDS -lt $end ]; do
        grep -q "$1" console.log && return 0
        kill -0 "$qemu_pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

accel=${VEXLOR_VM_ACCEL:-}
case $accel in "" | kvm | tcg) ;; *) die "VEXLOR_VM_ACCEL is kvm or tcg, not $accel" ;; esac
if [ -z "$accel" ] || [ "$accel" = kvm ]; then
    if [ -w /dev/kvm ]; then
        start_qemu kvm
        if console_wait 'Linux version' 5; then
            accel=kvm
        else
            echo "KVM showed no boot line within 5 s ($(head -n 1 qemu.err)); using TCG"
            kill "$qemu_pid" 2>/dev/null; wait "$qemu_pid" 2>/dev/null; exec 5>&-
            accel=tcg
        fi
    else
        accel=tcg
    fi
fi
[ "$accel" = tcg ] && start_qemu tcg
pids+=("$qemu_pid")
console_wait 'Linux version' 120 ||
    skip "QEMU cannot boot a kernel here (accelerator $accel): $(head -c 600 qemu.err)"
echo "booting with $accel"
console_wait '^VMINIT' 300 || die "the guest's /init never started; console:
$(tail -n 30 console.log)"
boot_seconds=$(since "$qemu_t0")

# --- The guest's requests ---------------------------------------------------
console_line() { sed -n "$1p" console.log | tr -d '\r'; }
count() { grep -c "$1" "$2"; }
trace_lines() { wc -l <trace.log; }
handled=0
pull_frames=-1
deadline=$((SECONDS + 600))
while :; do
    total=$(wc -l <console.log)
    while [ "$handled" -lt "$total" ]; do
        handled=$((handled + 1))
        case $(console_line "$handled") in
        "VMREQ plug cable1")
            trace_from=$(trace_lines)
            plug cable1 c1 ;;
        "VMREQ unplug cable1")
            trace_to=$(trace_lines)
            monitor human-monitor-command '{"command-line": "info usb"}'
            unplug cable1 ;;
        "VMREQ pull cable0")
            # Pulled once the controller has taken five of the write's sixty
            # frames (the paced write lasts 0.8 s), or when it ended without.
            base=$(count '^write ' sim.out)
            for _ in $(seq 1200); do
                [ "$(count '^write ' sim.out)" -ge $((base + 5)) ] && break
                grep -q '^RUN pull:' console.log && break
                kill -0 "$qemu_pid" 2>/dev/null || break
                sleep 0.05
            done
            unplug cable0
            pull_frames=$(($(count '^write ' sim.out) - base)) ;;
        "VMREQ plug cable0")
            plug cable0 c0 ;;
        "VMREQ stop controller")
            kill -STOP "$sim_pid" ;;
        "VMREQ continue controller")
            kill -CONT "$sim_pid" ;;
        esac
    done
    grep -q '^VMDONE' console.log && break
    kill -0 "$qemu_pid" 2>/dev/null || break
    [ $SECONDS -lt $deadline ] || { echo "the guest did not finish within 600 s"; break; }
    sleep 0.05
done
for _ in $(seq 50); do kill -0 "$qemu_pid" 2>/dev/null || break; sleep 0.1; done
run_seconds=$(since "$t0")

echo "---- guest console (kernel lines left out) ----"
tr -d '\r' <console.log | grep -v '^\[ *[0-9]*\.[0-9]*\]'
echo "---- QEMU monitor ----"
cat monitor.out qemu.err
echo "---- controller emulator (stored values left out) ----"
grep -v '^write ' sim.out

# --- Host-side checks -------------------------------------------------------
results=$(tr -d '\r' <console.log | grep '^VMCHECK ' | cut -d' ' -f2-)
host_check() { # name status(0 = pass) why
    if [ "$2" = 0 ]; then results+=$'\n'"PASS $1"; else results+=$'\n'"FAIL $1 $3"; fi
}
grep -q '^VMDONE' console.log
host_check guest-finished $? "(no VMDONE on the console)"

[ "$pull_frames" -ge 5 ] && [ "$pull_frames" -lt 60 ]
host_check pull-came-mid-write $? "(the controller had taken $pull_frames frames of the write)"
stores=$(count '^store$' sim.out)
[ "$stores" = 1 ]
host_check controller-stored-once $? "(stores: $stores; the full write stores once, the pulled one never)"
grep -q 'cable1 still works' cable1.out
host_check other-cable-bytes-arrive $? "(the holder's line never reached cable1's far end)"

# The bridge line's bit-mode request (FTDI request 0x0b, which QEMU's chip
# refuses) during the two-cable run: it must reach the chosen cable only.
usb=$(grep -o 'Device [0-9]*\.[0-9]*, Port [0-9.]*, Speed [^,]*, Product [^,]*, ID: cable[01]' monitor.out)
address_of() { echo "$usb" | sed -n "s/^Device \([0-9]*\)\.\([0-9]*\),.*ID: $1\$/\1:\2/p"; }
chosen=$(address_of cable0) other=$(address_of cable1)
bitmode=$(sed -n "$((${trace_from:-0} + 1)),${trace_to:-0}p" trace.log |
    sed -n 's/^usb_serial_handle_control dev \([0-9:]*\) got control 0x400b.*/\1/p')
to_chosen=$(echo "$bitmode" | grep -cx "${chosen:-none}")
to_other=$(echo "$bitmode" | grep -cx "${other:-none}")
[ "$to_chosen" -ge 1 ] && [ "$to_other" = 0 ]
host_check bridge-line-on-chosen-cable $? "(bit-mode requests: $to_chosen to the chosen cable $chosen, $to_other to the other $other)"
echo "cable0 pulled when the controller had taken $pull_frames frames of the write"
echo "bit-mode requests refused by the emulated chip: $(count 'unsupported/bogus control 0x400b' trace.log) of $(count 'handle_control .* 0x400b' trace.log)"

# --- The table ----------------------------------------------------------------
echo
echo "| check | result |"
echo "|---|---|"
echo "$results" | awk 'NF { result = $1; name = $2; $1 = $2 = ""; sub(/^ +/, "")
    print "| " name " | " result ($0 == "" ? "" : " " $0) " |" }'
passed=$(echo "$results" | grep -c '^PASS')
failed=$(echo "$results" | grep -c '^FAIL')
echo
echo "accelerator $accel; QEMU start to /init ${boot_seconds} s; whole run (guest built, KVM tried) ${run_seconds} s"
echo "vm: $passed passed, $failed failed"
[ "$failed" = 0 ] && [ "$passed" -gt 0 ]
