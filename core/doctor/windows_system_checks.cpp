// The checks on Windows: the cable in the port list, by its vendor. What the
// other checks read (/proc, /sys, udev, the account files, ModemManager,
// brltty, the sandboxes) is Linux's; on Windows they are skipped and the
// controller check tells whether the port opens and the controller answers.

#include "doctor_checks.h"
#include "doctor_text.h"
#include "system_checks.h"

#include "cables/cable.h"
#include "cables/port_discovery.h"
#include "params/message_input.h"

namespace vexlor {
namespace {

QString vendorText(const SerialPortEntry &entry)
{
    return QStringLiteral("%1").arg(entry.vendorId, 4, 16, QLatin1Char('0'));
}

// "COM5: USB 0403 (USB Serial Port), serial number A50285BI."
CheckResult cableFound(const SerialPortEntry &entry)
{
    const QString shown = inputForMessage(entry.path);
    const QString name = inputForMessage(entry.description);
    if (entry.usb.serialNumber.isEmpty()) {
        return finding(checks::kCable, CheckStatus::Ok,
                       DoctorText::tr("%1: USB %2 (%3), no serial number.").arg(shown, vendorText(entry), name));
    }
    return finding(checks::kCable, CheckStatus::Ok,
                   DoctorText::tr("%1: USB %2 (%3), serial number %4.")
                       .arg(shown, vendorText(entry), name, inputForMessage(entry.usb.serialNumber)));
}

CheckResult noCable(const PortLister &lister)
{
    QStringList others;
    for (const SerialPortEntry &entry : lister.ports()) {
        if (entry.hasVendorId)
            others << QStringLiteral("%1 (%2)").arg(inputForMessage(entry.path), vendorText(entry));
    }
    const QString detail
        = DoctorText::tr("No programming cable is plugged in: no USB serial port of a known cable.") + u' '
        + (others.isEmpty()
               ? DoctorText::tr("No other USB serial port is present.")
               : DoctorText::tr("USB serial ports present: %1.").arg(others.join(QLatin1String(", "))));
    return finding(checks::kCable, CheckStatus::Fail, detail,
                   DoctorText::tr("Plug the programming cable into a USB port of this computer."));
}

CheckResult namedPort(const PortLister &lister, const QString &path)
{
    const QString shown = inputForMessage(path);
    if (!lister.exists(path)) {
        return finding(checks::kCable, CheckStatus::Fail, DoctorText::tr("No serial device at %1.").arg(shown),
                       DoctorText::tr("Name the cable's serial device; vexlor-cli ports lists them."));
    }
    const std::optional<SerialPortEntry> entry = lister.portAt(path);
    if (entry && cableTypeOf(*entry))
        return cableFound(*entry);
    if (entry && entry->hasVendorId) {
        return finding(
            checks::kCable, CheckStatus::Warn,
            DoctorText::tr("%1 is a USB serial port of %2 (%3), not of a known programming cable.")
                .arg(shown, vendorText(*entry), inputForMessage(entry->description)),
            DoctorText::tr("Name the programming cable's port, or name none to look for the cable."));
    }
    return finding(checks::kCable, CheckStatus::Skip,
                   DoctorText::tr("%1 is no USB serial port (a pseudo-terminal or a built-in port).").arg(shown));
}

CheckResult discovered(const PortLister &lister, const DiscoveryResult &picked)
{
    const std::optional<SerialPortEntry> entry = lister.portAt(picked.path);
    if (!picked.duplicate())
        return entry ? cableFound(*entry) : finding(checks::kCable, CheckStatus::Ok, inputForMessage(picked.path));
    QStringList paths;
    for (const SerialPortEntry &other : lister.ports()) {
        if (cableTypeOf(other))
            paths << inputForMessage(other.path);
    }
    return finding(
        checks::kCable, CheckStatus::Warn,
        DoctorText::tr("%1 cables are plugged in: %2. The tool uses the last one found, %3.")
            .arg(QString::number(picked.candidateCount), paths.join(QLatin1String(", ")),
                 inputForMessage(picked.path)),
        DoctorText::tr("Unplug the cables you do not use, or name one with --port or VEXLOR_PORT."));
}

} // namespace

SystemFindings runSystemChecks(const SystemView &, const PortLister &lister, const QString &portOverride)
{
    SystemFindings findings;
    QString path = portOverride;
    if (path.isEmpty()) {
        const DiscoveryResult picked = discoverPort(lister, {});
        findings.results << (picked.found() ? discovered(lister, picked) : noCable(lister));
        path = picked.path;
    } else {
        findings.results << namedPort(lister, path);
    }
    for (const char *check : {checks::kDriver, checks::kAccess, checks::kBusy, checks::kModemManager,
                              checks::kBrltty, checks::kLatency, checks::kSandbox}) {
        findings.results << finding(check, CheckStatus::Skip,
                                    //: the checks that look at Linux's devices, drivers and services
                                    DoctorText::tr("Not checked on Windows."));
    }
    if (path.isEmpty() || !lister.exists(path)) {
        findings.controllerSkip = finding(checks::kController, CheckStatus::Skip,
                                          DoctorText::tr("No port to reach the controller through."));
    }
    return findings;
}

CheckResult accessFinding(const SystemView &, const PortLister &, const QString &)
{
    return finding(checks::kAccess, CheckStatus::Skip, DoctorText::tr("Not checked on Windows."));
}

} // namespace vexlor
