// The cable check (which port, of which cable) and the driver check.

#include "doctor_checks.h"
#include "doctor_text.h"

#include "cables/cable.h"
#include "cables/port_discovery.h"
#include "params/message_input.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>

namespace vexlor {
namespace {

PortUnderTest portAt(const SystemView &system, const QString &path)
{
    PortUnderTest port;
    const QString canonical = system.canonicalPath(path);
    port.node = canonical.isEmpty() ? path : canonical;
    port.shown = inputForMessage(path);
    port.usb = facts::usbSerialPort(system, QFileInfo(port.node).fileName());
    if (port.usb)
        port.cable = cableTypeWithVendor(port.usb->vendorId);
    return port;
}

// "/dev/ttyUSB0: USB 0403:6001 (FT232R USB UART), serial number A50285BI."
QString cableText(const PortUnderTest &port)
{
    const facts::UsbSerialPort &usb = *port.usb;
    const QString id = facts::usbId(usb.vendorId, usb.productId);
    if (usb.serialNumber.isEmpty()) {
        //: %1 the serial device, %2 the USB vendor:product, %3 the device's own name
        return DoctorText::tr("%1: USB %2 (%3), no serial number.").arg(port.shown, id, usb.product);
    }
    //: %1 the serial device, %2 the USB vendor:product, %3 the device's own name, %4 its serial number
    return DoctorText::tr("%1: USB %2 (%3), serial number %4.")
        .arg(port.shown, id, usb.product, usb.serialNumber);
}

// Where no port of a known cable is listed: what is there instead.
CheckResult noCable(const SystemView &system, PortUnderTest &port)
{
    for (const CableType &type : cableTypes()) {
        port.portlessDevices = facts::usbDevicesOfVendor(system, type.usbVendorId);
        if (!port.portlessDevices.isEmpty()) {
            port.cable = &type;
            break;
        }
    }
    QString detail
        = DoctorText::tr("No programming cable is plugged in: no USB serial port of a known cable.");
    if (!port.portlessDevices.isEmpty()) {
        //: %1 the USB device's place on the bus, such as 1-1.4
        detail += u' '
            + DoctorText::tr("The cable's USB device %1 is present but has no serial port (see driver).")
                  .arg(QFileInfo(port.portlessDevices.first()).fileName());
        return finding(checks::kCable, CheckStatus::Fail, detail,
                       DoctorText::tr("%1, then unplug the cable and plug it in again.")
                           .arg(fixes::loadDriver(port.cable)));
    }
    QStringList others;
    for (const facts::UsbSerialPort &other : facts::usbSerialPorts(system))
        others
            << QStringLiteral("/dev/%1 (%2)").arg(other.tty, facts::usbId(other.vendorId, other.productId));
    detail += u' '
        + (others.isEmpty()
               ? DoctorText::tr("No other USB serial port is present.")
               //: %1 a list of serial devices with their USB vendor:product
               : DoctorText::tr("USB serial ports present: %1.").arg(others.join(QLatin1String(", "))));
    return finding(checks::kCable, CheckStatus::Fail, detail,
                   DoctorText::tr("Plug the programming cable into a USB port of this computer."));
}

// Whether a node not on USB is a terminal the tool could talk through: not a
// folder, a file, the null device or /dev/tty with no terminal behind it.
bool isSerialPort(const SystemView &system, const QString &node)
{
    const std::optional<NodeStatus> status = system.status(node);
    if (!status || !status->isCharacterDevice())
        return false;
    const int error = system.tryOpen(node);
    return error != ENOTTY && error != ENXIO;
}

CheckResult namedPort(const SystemView &system, const PortLister &lister, const QString &path,
                      PortUnderTest &port)
{
    if (!lister.exists(path)) {
        //: %1 the device path given with --port or VEXLOR_PORT
        return finding(checks::kCable, CheckStatus::Fail,
                       DoctorText::tr("No serial device at %1.").arg(inputForMessage(path)),
                       DoctorText::tr("Name the cable's serial device; vexlor-cli ports lists them."));
    }
    port = portAt(system, path);
    if (!port.usb && !isSerialPort(system, port.node)) {
        port = {}; // nothing for the other checks to look at
        //: %1 the path given with --port or VEXLOR_PORT
        return finding(checks::kCable, CheckStatus::Fail,
                       DoctorText::tr("%1 is not a serial port.").arg(inputForMessage(path)),
                       fixes::nameCablePort());
    }
    if (port.cable)
        return finding(checks::kCable, CheckStatus::Ok, cableText(port));
    if (port.usb) {
        //: %1 the serial device, %2 its USB vendor:product, %3 the device's own name
        return finding(
            checks::kCable, CheckStatus::Warn,
            DoctorText::tr("%1 is a USB serial port of %2 (%3), not of a known programming cable.")
                .arg(port.shown, facts::usbId(port.usb->vendorId, port.usb->productId), port.usb->product),
            DoctorText::tr("Name the programming cable's port, or name none to look for the cable."));
    }
    return finding(
        checks::kCable, CheckStatus::Skip,
        DoctorText::tr("%1 is no USB serial port (a pseudo-terminal or a built-in port).").arg(port.shown));
}

} // namespace

CheckResult checkCable(const SystemView &system, const PortLister &lister, const QString &portOverride,
                       PortUnderTest &port)
{
    if (!portOverride.isEmpty())
        return namedPort(system, lister, portOverride, port);
    const DiscoveryResult picked = discoverPort(lister, {});
    if (!picked.found())
        return noCable(system, port);
    port = portAt(system, picked.path);
    if (!port.usb) // listed as a cable, unknown to sysfs
        return finding(checks::kCable, CheckStatus::Ok, port.shown);
    if (!picked.duplicate())
        return finding(checks::kCable, CheckStatus::Ok, cableText(port));
    QStringList paths;
    for (const SerialPortEntry &entry : lister.ports()) {
        if (cableTypeOf(entry))
            paths << inputForMessage(entry.path);
    }
    //: %1 how many, %2 their serial devices, %3 the one the tool uses
    return finding(
        checks::kCable, CheckStatus::Warn,
        DoctorText::tr("%1 cables are plugged in: %2. The tool uses the last one found, %3.")
            .arg(QString::number(picked.candidateCount), paths.join(QLatin1String(", ")), port.shown),
        //: keep --port and VEXLOR_PORT as they are
        DoctorText::tr("Unplug the cables you do not use, or name one with --port or VEXLOR_PORT."));
}

CheckResult checkDriver(const DoctorContext &context)
{
    const PortUnderTest &port = context.port;
    if (!port.portlessDevices.isEmpty()) {
        const QString device = QFileInfo(port.portlessDevices.first()).fileName();
        const QString interfaceDriver
            = QFileInfo(context.system.linkTarget(port.portlessDevices.first() + u'/' + device
                                                  + QLatin1String(":1.0/driver")))
                  .fileName();
        if (interfaceDriver == u"usbfs") {
            //: usbfs: keep as it is; %1 the USB device's place on the bus, such as 1-1.4
            return finding(
                checks::kDriver, CheckStatus::Fail,
                DoctorText::tr("A program holds the cable's USB device %1 directly (usbfs), so the "
                               "serial driver cannot make a port of it.")
                    .arg(device),
                DoctorText::tr("Close the other program that uses the cable, then unplug the cable "
                               "and plug it in again."));
        }
        return finding(
            checks::kDriver, CheckStatus::Fail,
            DoctorText::tr("No kernel driver made a serial port of the cable's USB device %1.").arg(device),
            DoctorText::tr("%1, then unplug the cable and plug it in again.")
                .arg(fixes::loadDriver(port.cable)));
    }
    if (!port.usb)
        return withoutCablePort(checks::kDriver, port);
    const std::optional<NodeStatus> node = context.system.status(port.node);
    if (!node || !node->isCharacterDevice()) {
        //: %1 the kernel's name of the port (ttyUSB0), %2 its device node
        return finding(checks::kDriver, CheckStatus::Fail,
                       DoctorText::tr("The kernel made %1, but its device node %2 is missing.")
                           .arg(port.usb->tty, port.shown),
                       fixes::reapplyRules(port));
    }
    const QString driver = port.usb->driver;
    if (port.cable && driver != QLatin1String(port.cable->kernelDriver)) {
        //: %1 the driver in use, %2 the port, %3 the driver made for the cable
        return finding(checks::kDriver, CheckStatus::Warn,
                       DoctorText::tr("%1 drives %2, not %3, the cable's own driver.")
                           .arg(driver, port.usb->tty, QLatin1String(port.cable->kernelDriver)),
                       DoctorText::tr("%1, then unplug the cable and plug it in again.")
                           .arg(fixes::loadDriver(port.cable)));
    }
    //: %1 the kernel driver, %2 the kernel's name of the port (ttyUSB0), %3 its device node
    return finding(
        checks::kDriver, CheckStatus::Ok,
        DoctorText::tr("%1 drives %2; its device node is %3.").arg(driver, port.usb->tty, port.shown));
}

CheckResult withoutCablePort(const char *check, const PortUnderTest &port)
{
    if (port.node.isEmpty())
        return finding(check, CheckStatus::Skip, DoctorText::tr("No cable port to look at."));
    return finding(check, CheckStatus::Skip, DoctorText::tr("%1 is no USB serial port.").arg(port.shown));
}

namespace fixes {

QString reapplyRules(const PortUnderTest &port)
{
    if (port.usb)
        return QStringLiteral("sudo udevadm trigger --action=add --parent-match=%1")
            .arg(shellWord(port.usb->usbFolder));
    return QStringLiteral("sudo udevadm trigger --action=add --subsystem-match=tty");
}

QString shellWord(const QString &word)
{
    static const QRegularExpression plain(QStringLiteral("\\A[A-Za-z0-9_./:@%+=,-]+\\z"));
    if (plain.match(word).hasMatch())
        return word;
    return u'\'' + QString(word).replace(u'\'', QLatin1String("'\\''")) + u'\'';
}

QString nameCablePort()
{
    //: keep vexlor-cli ports as it is: the command that lists the ports
    return DoctorText::tr("Name the cable's port (vexlor-cli ports lists them).");
}

QString loadDriver(const CableType *cable)
{
    return QStringLiteral("sudo modprobe %1").arg(QLatin1String(cable ? cable->kernelDriver : "ftdi_sio"));
}

} // namespace fixes
} // namespace vexlor
