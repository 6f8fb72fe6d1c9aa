#include "port_discovery.h"

#include "cable.h"
#include "usb_sysfs.h"

#include <QFileInfo>
#include <QSerialPortInfo>

namespace vexlor {
namespace {

// A device path as the system lists it (a link such as /dev/serial/by-id/...
// names the same port).
QString canonicalPath(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

} // namespace

std::optional<SerialPortEntry> PortLister::portAt(const QString &path) const
{
    if (path.isEmpty())
        return std::nullopt;
    const QString wanted = canonicalPath(path);
    for (const SerialPortEntry &entry : ports()) {
        if (canonicalPath(entry.path) == wanted)
            return entry;
    }
    return std::nullopt;
}

QList<SerialPortEntry> SystemPortLister::ports() const
{
    QList<SerialPortEntry> result;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos) {
        SerialPortEntry entry;
        entry.path = info.systemLocation();
        entry.hasVendorId = info.hasVendorIdentifier();
        entry.vendorId = info.vendorIdentifier();
        entry.description = info.description();
        completeFromSysfs(entry, info.portName(), m_sysfsRoot);
        result.append(entry);
    }
    return result;
}

std::optional<SerialPortEntry> SystemPortLister::portAt(const QString &path) const
{
    // A serial device node is /dev/<tty> with a device behind its class entry;
    // anything else (a pseudo-terminal, a file) is not listed.
    if (path.isEmpty())
        return std::nullopt;
    const QString node = canonicalPath(path);
    const QString ttyName = QFileInfo(node).fileName();
    const QString classEntry = QStringLiteral("%1/class/tty/%2/device").arg(m_sysfsRoot, ttyName);
    if (node != QStringLiteral("/dev/") + ttyName || !QFileInfo::exists(classEntry))
        return std::nullopt;
    SerialPortEntry entry;
    entry.path = node;
    completeFromSysfs(entry, ttyName, m_sysfsRoot);
    return entry;
}

void completeFromSysfs(SerialPortEntry &entry, const QString &ttyName, const QString &sysfsRoot)
{
    const std::optional<UsbDeviceInfo> usb = usbDeviceOfTty(sysfsRoot, ttyName);
    if (!usb)
        return;
    entry.usb = {usb->busNumber, usb->deviceAddress, usb->serialNumber};
    if (!entry.hasVendorId) {
        entry.hasVendorId = true;
        entry.vendorId = usb->vendorId;
    }
    if (entry.description.isEmpty())
        entry.description = usb->product;
}

bool SystemPortLister::exists(const QString &path) const
{
    return QFileInfo::exists(path);
}

DiscoveryResult discoverPort(const PortLister &lister, const QString &overridePath)
{
    DiscoveryResult result;
    if (!overridePath.isEmpty()) {
        if (lister.exists(overridePath)) {
            result.path = overridePath;
            result.candidateCount = 1;
        }
        return result;
    }
    for (const SerialPortEntry &entry : lister.ports()) {
        if (!cableTypeOf(entry))
            continue;
        result.path = entry.path; // a later match replaces an earlier one
        ++result.candidateCount;
    }
    return result;
}

QString portOverrideFromEnvironment()
{
    return qEnvironmentVariable(kPortEnvironmentVariable);
}

} // namespace vexlor
