#include "cable.h"

#include "ftdi_bridge_line.h"

#include <QFileInfo>

#include <array>

namespace vexlor {
namespace {

std::unique_ptr<BridgeLine> makeFtdiBridgeLine(const SerialPortEntry &entry)
{
    // Only the device behind this port: never the first of the family.
    if (!entry.usb.known())
        return nullptr;
    return std::make_unique<FtdiBridgeLine>(entry.usb);
}

constexpr std::array kCableTypes = {
    CableType{"FTDI USB serial bridge", 0x0403, &makeFtdiBridgeLine, true, "ftdi_sio"},
};

// A device path as the system lists it (a link such as /dev/serial/by-id/...
// names the same port).
QString canonicalPath(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

} // namespace

std::span<const CableType> cableTypes()
{
    return kCableTypes;
}

const CableType *cableTypeOf(const SerialPortEntry &entry)
{
    if (!entry.hasVendorId)
        return nullptr;
    for (const CableType &type : kCableTypes) {
        if (type.usbVendorId == entry.vendorId)
            return &type;
    }
    return nullptr;
}

std::optional<SerialPortEntry> listedPortAt(const PortLister &lister, const QString &portPath)
{
    if (portPath.isEmpty())
        return std::nullopt;
    const QString wanted = canonicalPath(portPath);
    for (const SerialPortEntry &entry : lister.ports()) {
        if (canonicalPath(entry.path) == wanted)
            return entry;
    }
    return std::nullopt;
}

bool portAsksLowLatency(const PortLister &lister, const QString &portPath)
{
    const std::optional<SerialPortEntry> entry = listedPortAt(lister, portPath);
    const CableType *type = entry ? cableTypeOf(*entry) : nullptr;
    return type && type->asksLowLatency;
}

BridgeLine *CableBridgeLines::bridgeLineFor(const QString &portPath)
{
    const std::optional<SerialPortEntry> entry = listedPortAt(m_lister, portPath);
    const CableType *type = entry ? cableTypeOf(*entry) : nullptr;
    m_line = type ? type->makeBridgeLine(*entry) : nullptr;
    return m_line.get();
}

} // namespace vexlor
