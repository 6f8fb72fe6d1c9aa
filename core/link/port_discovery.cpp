#include "port_discovery.h"

#include "cable.h"

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
        result.append(entry);
    }
    return result;
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
