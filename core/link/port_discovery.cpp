#include "port_discovery.h"

#include "cable.h"
#include "usb_sysfs.h"

#include <QFileInfo>
#include <QSerialPortInfo>

namespace vexlor {

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
