#include "cable.h"

#include "ftdi_bridge_line.h"

#include <QFileInfo>

#include <array>

namespace vexlor {
namespace {

std::unique_ptr<BridgeLine> makeFtdiBridgeLine(const QString &)
{
    // The first bridge device of the family, whichever port it serves.
    return std::make_unique<FtdiBridgeLine>();
}

constexpr std::array kCableTypes = {
    CableType{"FTDI USB serial bridge", 0x0403, &makeFtdiBridgeLine},
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

BridgeLine *CableBridgeLines::bridgeLineFor(const QString &portPath)
{
    const CableType *type = cableTypeAt(portPath);
    m_line = type ? type->makeBridgeLine(portPath) : nullptr;
    return m_line.get();
}

const CableType *CableBridgeLines::cableTypeAt(const QString &portPath) const
{
    if (portPath.isEmpty())
        return &kCableTypes.front();
    const QString wanted = canonicalPath(portPath);
    for (const SerialPortEntry &entry : m_lister.ports()) {
        if (canonicalPath(entry.path) == wanted)
            return cableTypeOf(entry);
    }
    return nullptr;
}

} // namespace vexlor
