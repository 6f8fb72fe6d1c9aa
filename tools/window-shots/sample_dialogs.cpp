#include "sample_dialogs.h"

#include "params/parameter_codec.h"
#include "params/parameter_comparison.h"
#include "params/settings_fingerprint.h"
#include "session/backup_record_texts.h"

namespace vexlor {

SampleComparison sampleComparison(NumberFormat format)
{
    const ParameterValues window = encodeAll(ParameterSnapshot::initial(), format).values;
    ParameterValues controller = window;
    controller[1] = 300;  // 14.3 A
    controller[14] = 0;   // no throttle
    controller[20] = 3;   // three assist levels
    controller[40] = 2;   // sensorless
    controller[48] = 123; // mOhm
    return {differenceRows(differingParameters(window, controller, format)),
            {settingsFingerprint(window), settingsFingerprint(controller)}};
}

QList<BackupRow> sampleBackups()
{
    const QDate day(2026, 5, 16);
    const auto record = [](WriteEnd end, int frame, bool afterInterruptedWrite) {
        return WriteRecord{end, frame, afterInterruptedWrite};
    };
    const auto row = [](const char *name, QDateTime time, int differing, const WriteRecord &r) {
        return BackupRow{QString::fromLatin1(name), time, differing, followingWriteText(r),
                         backupNoteText(r), QString(), 1};
    };
    return {row("2026-05-16_15-42-07.vxc", QDateTime(day, QTime(15, 42, 7)), 0,
                record(WriteEnd::Verified, 0, false)),
            row("2026-05-16_15-30-51.vxc", QDateTime(day, QTime(15, 30, 51)), 2,
                record(WriteEnd::Verified, 0, true)),
            row("2026-05-16_14-03-22.vxc", QDateTime(day, QTime(14, 3, 22)), 5,
                record(WriteEnd::Interrupted, 30, false))};
}

// What the doctor found for a rider on a laptop whose cable rule is not
// installed (as in the virtual machine's test) and where ModemManager runs.
QList<CheckResult> sampleFindings()
{
    const auto r = [](CheckStatus status, const char *check, const char *detail, const char *fix = "") {
        return CheckResult{status, QLatin1String(check), QString::fromUtf8(detail), QString::fromUtf8(fix)};
    };
    using S = CheckStatus;
    return {
        r(S::Ok, "cable", "/dev/ttyUSB0: USB 0403:6001 (FT232R USB UART), serial number A50285BI."),
        r(S::Ok, "driver", "ftdi_sio drives ttyUSB0; its device node is /dev/ttyUSB0."),
        r(S::Fail, "access",
          "/dev/ttyUSB0 refuses you: owner root, group dialout, mode 0660. You are not in group dialout. The "
          "cable rule 70-vexlor-cable.rules is not installed. The device carries no access entry for you (the "
          "cable rule gives one to the user at the computer's own screen).",
          "printf '%s\\n' 'SUBSYSTEM==\"tty\", SUBSYSTEMS==\"usb\", ATTRS{idVendor}==\"0403\", MODE=\"0660\", "
          "GROUP=\"dialout\", TAG+=\"uaccess\"' 'SUBSYSTEM==\"usb\", ENV{DEVTYPE}==\"usb_device\", "
          "ATTR{idVendor}==\"0403\", MODE=\"0664\", TAG+=\"uaccess\"' | sudo tee "
          "/etc/udev/rules.d/70-vexlor-cable.rules >/dev/null && sudo udevadm control --reload && sudo udevadm "
          "trigger --action=add --parent-match=/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2"),
        r(S::Ok, "busy", "No other process of yours holds /dev/ttyUSB0 open (the open files of 131 processes "
                         "of other users cannot be seen)."),
        r(S::Warn, "modemmanager",
          "ModemManager is running and may probe /dev/ttyUSB0 (0403:6001) for a modem, which garbles the "
          "controller's replies.",
          "printf '%s\\n' 'ATTRS{idVendor}==\"0403\", ATTRS{idProduct}==\"6001\", ENV{ID_MM_DEVICE_IGNORE}=\"1\"' "
          "| sudo tee /etc/udev/rules.d/71-vexlor-modemmanager.rules >/dev/null && sudo udevadm control --reload "
          "&& sudo udevadm trigger --action=add --parent-match=/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2"),
        r(S::Ok, "brltty", "brltty is not installed."),
        r(S::Skip, "latency", "The latency timer is at 16 ms; what it is while the tool holds the port cannot "
                              "be tried, as the port does not open (see access)."),
        r(S::Ok, "sandbox", "The tool runs outside Flatpak and Snap."),
        r(S::Skip, "controller", "The port does not open for you (see access)."),
    };
}

} // namespace vexlor
