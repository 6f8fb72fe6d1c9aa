#!/bin/busybox sh
# /init of the test VM (busybox). Loads the USB serial driver stack, runs the
# tool against the emulated FTDI cables and prints one line per check:
#   VMCHECK PASS|FAIL name [why]
# Lines "VMREQ ..." ask the host to act on the cables through QEMU's monitor;
# the guest then waits for the device nodes to follow. VMDONE ends the run.
/bin/busybox mkdir -p /proc /sys /dev /tmp /usr/bin /usr/sbin /sbin /var/lock /run
/bin/busybox --install -s
export PATH=/bin:/sbin:/usr/bin:/usr/sbin HOME=/tmp LC_ALL=C
unset VEXLOR_PORT
mount -t proc proc /proc
mount -t sysfs sysfs /sys
mount -t devtmpfs devtmpfs /dev
mount -t tmpfs tmpfs /tmp
dmesg -n 1 # kernel messages stay in dmesg, off the console the host parses
echo "VMINIT $(cut -d' ' -f1 /proc/uptime)"

cli=/opt/vexlor/vexlor-cli
settings=/opt/vexlor/default.vxc

check() { # name condition-result why
    if [ "$2" = 0 ]; then echo "VMCHECK PASS $1"; else echo "VMCHECK FAIL $1 ${3:-}"; fi
}

# Runs the tool as NAME: output kept in /tmp/NAME.{out,err}, exit code in $rc.
run() {
    name=$1
    shift
    timeout 60 "$cli" "$@" >"/tmp/$name.out" 2>"/tmp/$name.err"
    rc=$?
    echo "RUN $name: vexlor-cli $* -> exit $rc"
    sed "s/^/  $name out| /" "/tmp/$name.out"
    sed "s/^/  $name err| /" "/tmp/$name.err"
}

# Waits up to $2 tenths of a second for condition $1 (a shell expression).
wait_for() {
    n=0
    while ! eval "$1"; do
        n=$((n + 1))
        [ "$n" -ge "$2" ] && return 1
        sleep 0.1
    done
}

ttys() { for t in /sys/bus/usb-serial/devices/*; do [ -e "$t" ] && printf '%s ' "${t##*/}"; done; }

# The USB device (e.g. 1-1) a ttyUSB node hangs off.
usb_of() { basename "$(dirname "$(readlink -f "/sys/class/tty/$1/device/..")")"; }

modules_ok=0
for m in usb-common usbcore xhci-hcd xhci-pci usbserial ftdi_sio; do
    insmod "/lib/modules/$m.ko" || modules_ok=1
done
check driver-stack "$modules_ok" "(insmod failed)"
wait_for '[ -c /dev/ttyUSB0 ]' 100
check cable0-ttyUSB0 $? "(no /dev/ttyUSB0; ttys: $(ttys))"
echo "INFO ttyUSB0 on usb $(usb_of ttyUSB0), vendor $(cat /sys/class/tty/ttyUSB0/device/../../idVendor 2>/dev/null)"

# 1. The port list marks the cable found by its vendor.
run ports ports
grep -q '^\* /dev/ttyUSB0 *0403' /tmp/ports.out
check ports-marks-cable $? "(exit $rc; no line '* /dev/ttyUSB0 0403 ...')"

# 2. Connection test through the real driver.
run test test
[ "$rc" = 0 ] && grep -q 'Connection to controller is OK' /tmp/test.out
check test-through-driver $? "(exit $rc)"

# 3. Read; while the tool holds the port open, the driver's latency timer.
timeout 60 "$cli" read /tmp/read1.vxc >/tmp/read.out 2>/tmp/read.err &
pid=$!
latency=never-opened
holds_port() {
    for fd in "/proc/$pid/fd/"*; do [ "$(readlink "$fd")" = /dev/ttyUSB0 ] && return 0; done
    return 1
}
if wait_for "holds_port || ! kill -0 $pid 2>/dev/null" 600 && holds_port; then
    latency=$(cat /sys/bus/usb-serial/devices/ttyUSB0/latency_timer)
fi
wait "$pid"
rc=$?
echo "RUN read: vexlor-cli read /tmp/read1.vxc -> exit $rc"
sed 's/^/  read err| /' /tmp/read.err
[ "$rc" = 0 ] && [ -s /tmp/read1.vxc ]
check read-through-driver $? "(exit $rc)"
[ "$latency" = 1 ]
check latency-timer-1-while-open $? "(latency_timer: $latency)"
echo "INFO latency_timer after the tool closed: $(cat /sys/bus/usb-serial/devices/ttyUSB0/latency_timer)"

# 4. Write and store.
run write write "$settings"
[ "$rc" = 0 ] && grep -q 'written successfully' /tmp/write.out
check write-through-driver $? "(exit $rc)"

# 5. Two cables: the tool is told which (--port); the other one, held open by
# another process, must come through unhurt.
echo "VMREQ plug cable1"
wait_for '[ -c /dev/ttyUSB1 ]' 100
check cable1-ttyUSB1 $? "(ttys: $(ttys))"
chosen_usb=$(usb_of ttyUSB0)
other_usb=$(usb_of ttyUSB1)
echo "INFO ttyUSB0 on usb $chosen_usb, ttyUSB1 on usb $other_usb"
rm -f /tmp/holder.*
(
    exec 3<>/dev/ttyUSB1 || exit 1
    : >/tmp/holder.ready
    while [ ! -e /tmp/holder.go ]; do sleep 0.1; done
    if stty -g <&3 >/dev/null && printf 'cable1 still works\n' >&3; then
        echo ok >/tmp/holder.result
    else
        echo "fd broken" >/tmp/holder.result
    fi
) &
holder=$!
wait_for '[ -e /tmp/holder.ready ]' 50
dmesg -c >/dev/null
run two-cables --port /dev/ttyUSB0 test
dmesg >/tmp/two-cables.dmesg
grep -i 'ftdi\|usb' /tmp/two-cables.dmesg | sed 's/^/  kernel| /'
[ "$rc" = 0 ]
check two-cables-test-on-chosen $? "(exit $rc)"
alive=1
kill -0 "$holder" 2>/dev/null && alive=0
: >/tmp/holder.go
wait_for '[ -e /tmp/holder.result ]' 50
result=$(cat /tmp/holder.result 2>/dev/null)
[ "$alive" = 0 ] && [ "$result" = ok ]
check two-cables-other-fd-unhurt $? "(holder alive: $([ $alive = 0 ] && echo yes || echo no), its fd: ${result:-no answer})"
! grep -q "disconnected from ttyUSB1\|usb $other_usb: .*now attached" /tmp/two-cables.dmesg
check two-cables-other-driver-untouched $? "(ftdi_sio let go of ttyUSB1 during the run)"
wait "$holder" 2>/dev/null
echo "VMREQ unplug cable1"
wait_for '[ "$(ttys)" = "ttyUSB0 " ]' 100
check cable1-unplugged $? "(ttys: $(ttys))"

# 6. The cable pulled during a write; plugged back, the next read works.
# The host pulls it once the controller has answered some of the write.
wait_for '[ -c /dev/ttyUSB0 ]' 50
echo "VMREQ pull cable0"
run pull write "$settings"
[ "$rc" = 1 ] && grep -q 'Communication with controller interrupted!' /tmp/pull.err
check pulled-during-write $? "(exit $rc)"
wait_for '[ ! -e /dev/ttyUSB0 ]' 150
check cable0-pulled $? "(ttyUSB0 still there)"
echo "VMREQ plug cable0"
wait_for '[ -c /dev/ttyUSB0 ]' 100
check cable0-back $? "(ttys: $(ttys))"
run replugged read /tmp/read2.vxc
[ "$rc" = 0 ] && [ -s /tmp/read2.vxc ]
check read-after-replug $? "(exit $rc)"

echo "VMDONE $(cut -d' ' -f1 /proc/uptime)"
poweroff -f
