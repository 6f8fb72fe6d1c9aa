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
# The accounts the doctor names: a rider (uid 1000) in dialout (gid 20).
mkdir -p /etc
printf 'root:x:0:0:root:/root:/bin/sh\nrider:x:1000:1000:Rider:/tmp:/bin/sh\n' >/etc/passwd
printf 'root:x:0:\ndialout:x:20:rider\nrider:x:1000:\n' >/etc/group

cli=/opt/vexlor/vexlor-cli
settings=/opt/vexlor/default.vxc

check() { # name condition-result why
    if [ "$2" = 0 ]; then echo "VMCHECK PASS $1"; else echo "VMCHECK FAIL $1 ${3:-}"; fi
}

# Runs the tool as NAME: output kept in /tmp/NAME.{out,err}, exit code in $rc.
# $wrap, when set, goes before the tool (a command that changes the user).
wrap=
run() {
    name=$1
    shift
    # shellcheck disable=SC2086 # the wrapper's words
    timeout 60 $wrap "$cli" "$@" >"/tmp/$name.out" 2>"/tmp/$name.err"
    rc=$?
    echo "RUN $name: $wrap vexlor-cli $* -> exit $rc"
    sed "s/^/  $name out| /" "/tmp/$name.out"
    sed "s/^/  $name err| /" "/tmp/$name.err"
}

# Whether the doctor's report NAME holds a line STATUS<TAB>CHECK<TAB> whose
# rest contains every further argument.
tab=$(printf '\t')
doctor_line() { # name status check [part...]
    line=$(grep "^$2$tab$3$tab" "/tmp/$1.out")
    shift 3
    [ -n "$line" ] || return 1
    for part in "$@"; do
        case $line in *"$part"*) ;; *) return 1 ;; esac
    done
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

# The connection doctor with all well: the cable by its USB ids, its driver,
# and the controller's version; nothing fails.
run doctor-well doctor
[ "$rc" = 0 ] && doctor_line doctor-well ok cable "/dev/ttyUSB0: USB 0403:6001" &&
    doctor_line doctor-well ok driver "ftdi_sio drives ttyUSB0" &&
    doctor_line doctor-well ok access "opens for reading and writing" &&
    doctor_line doctor-well ok controller "software version v1-35"
check doctor-all-well $? "(exit $rc)"

# A second process holds the node open: the doctor names it and its id.
sleep 600 3<>/dev/ttyUSB0 &
holder=$!
run doctor-busy doctor
kill "$holder"
wait "$holder" 2>/dev/null
[ "$rc" = 1 ] && doctor_line doctor-busy fail busy "held open by sleep (process $holder)" "kill $holder" &&
    doctor_line doctor-busy skip controller "(see busy)"
check doctor-names-the-holder $? "(exit $rc)"

# Reads into FILE as NAME (a command such as setpriv may go before the tool)
# and watches the driver's latency timer while the tool holds the port: it
# asks for low latency right after opening (a few USB requests after the
# descriptor appears). Sets $rc and $latency.
read_watching_latency() { # name file [wrapper...]
    name=$1 file=$2
    shift 2
    timeout 60 "$@" "$cli" read "$file" >"/tmp/$name.out" 2>"/tmp/$name.err" &
    pid=$!
    latency=never-opened
    while kill -0 "$pid" 2>/dev/null; do
        if holds_port; then
            latency=$(cat /sys/bus/usb-serial/devices/ttyUSB0/latency_timer)
            [ "$latency" = 1 ] && break
        fi
        sleep 0.05
    done
    wait "$pid"
    rc=$?
    echo "RUN $name: $* vexlor-cli read $file -> exit $rc"
    sed "s/^/  $name err| /" "/tmp/$name.err"
}
holds_port() {
    for fd in "/proc/$pid/fd/"*; do [ "$(readlink "$fd")" = /dev/ttyUSB0 ] && return 0; done
    return 1
}

# 3. Read; while the tool holds the port open, the driver's latency timer.
read_watching_latency read /tmp/read1.vxc
[ "$rc" = 0 ] && [ -s /tmp/read1.vxc ]
check read-through-driver $? "(exit $rc)"
[ "$latency" = 1 ]
check latency-timer-1-while-open $? "(latency_timer: $latency)"
echo "INFO latency_timer after the tool closed: $(cat /sys/bus/usb-serial/devices/ttyUSB0/latency_timer)"

# 4. Write and store.
run write write "$settings"
[ "$rc" = 0 ] && grep -q 'written successfully' /tmp/write.out
check write-through-driver $? "(exit $rc)"

# 5. A user who is not root, as on a desktop. The cable rule's access (group
# dialout on the serial node, the USB device node) comes from udev, which
# lags behind the kernel; a stand-in applies it 0.3 s after each new ttyUSB
# node appears. The bridge line re-creates the node root-only, so the tool
# must wait for the rule before it opens; its low latency needs no root.
as_rider="/opt/vexlor/setpriv --reuid=1000 --regid=1000 --groups=20"
udev_stand_in() {
    while [ ! -e /tmp/udev.stop ]; do
        for node in /dev/ttyUSB*; do
            [ -c "$node" ] && [ "$(stat -c %g "$node")" != 20 ] || continue
            sleep 0.3
            chgrp 20 "$node" && chmod 660 "$node"
        done
        sleep 0.05
    done
}
chmod 666 /dev/bus/usb/*/*
chgrp 20 /dev/ttyUSB0 && chmod 660 /dev/ttyUSB0
rm -f /tmp/udev.stop
udev_stand_in &
udev=$!
dmesg -c >/dev/null
# shellcheck disable=SC2086 # the wrapper's words
read_watching_latency rider-read /tmp/read3.vxc $as_rider
[ "$rc" = 0 ] && [ -s /tmp/read3.vxc ]
check user-waits-for-rule-after-bridge $? "(exit $rc)"
dmesg | grep -q 'disconnected from ttyUSB0'
check user-bridge-line-recreated-node $? "(the serial driver never let go: no bridge line ran)"
[ "$latency" = 1 ]
check user-latency-timer-1 $? "(latency_timer: $latency)"
: >/tmp/udev.stop
wait "$udev"

# Without the rule the node stays root-only: the user is told the fix.
chgrp 0 /dev/ttyUSB0 && chmod 600 /dev/ttyUSB0
wrap=$as_rider
run rider-refused test
wrap=
[ "$rc" = 1 ] && grep -q 'permission denied' /tmp/rider-refused.err &&
    grep -q '70-vexlor-cable.rules' /tmp/rider-refused.err && grep -q 'usermod -aG dialout' /tmp/rider-refused.err
check user-refused-told-the-fix $? "(exit $rc)"

# The doctor as the rider on the root-only node: access fails and names the
# node's group and the cable rule, whose installation is the fix.
wrap=$as_rider
run doctor-refused doctor
wrap=
[ "$rc" = 1 ] && doctor_line doctor-refused ok cable "/dev/ttyUSB0" &&
    doctor_line doctor-refused fail access "owner root, group root, mode 0600" "You are not in group root" \
        "70-vexlor-cable.rules is not installed" "sudo tee /etc/udev/rules.d/70-vexlor-cable.rules" &&
    doctor_line doctor-refused skip controller "(see access)"
check doctor-refused-names-group-and-rule $? "(exit $rc)"

# 6. Two cables: the tool is told which (--port); the other one, held open by
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

# 7. The cable pulled during a write; plugged back, the next read works.
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

# 8. The controller emulator stopped (the host holds it): the cable is fine,
# the controller does not answer. The host acts within 50 ms of the request.
echo "VMREQ stop controller"
sleep 1
run doctor-silent doctor
echo "VMREQ continue controller"
[ "$rc" = 1 ] && doctor_line doctor-silent ok cable "/dev/ttyUSB0: USB 0403:6001" &&
    doctor_line doctor-silent fail controller "the controller does not" "battery"
check doctor-silent-controller $? "(exit $rc)"

echo "VMDONE $(cut -d' ' -f1 /proc/uptime)"
poweroff -f
