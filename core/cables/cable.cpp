#include "cable.h"

#include "ftdi_bridge_line.h"

#include <array>

namespace vexlor {
namespace {

constexpr std::array kCableTypes = {
    CableType{"FTDI USB serial bridge", 0x0403, &makeFtdiBridgeLine, true, "ftdi_sio"},
};

} // namespace

std::span<const CableType> cableTypes()
{
    return kCableTypes;
}

const CableType *cableTypeWithVendor(quint16 vendorId)
{
    for (const CableType &type : kCableTypes) {
        if (type.usbVendorId == vendorId)
            return &type;
    }
    return nullptr;
}

const CableType *cableTypeOf(const SerialPortEntry &entry)
{
    return entry.hasVendorId ? cableTypeWithVendor(entry.vendorId) : nullptr;
}

bool portAsksLowLatency(const PortLister &lister, const QString &portPath)
{
    const std::optional<SerialPortEntry> entry = lister.portAt(portPath);
    const CableType *type = entry ? cableTypeOf(*entry) : nullptr;
    return type && type->asksLowLatency;
}

BridgeLine *CableBridgeLines::bridgeLineFor(const QString &portPath)
{
    const std::optional<SerialPortEntry> entry = m_lister.portAt(portPath);
    const CableType *type = entry ? cableTypeOf(*entry) : nullptr;
    m_line = type ? type->makeBridgeLine(*entry) : nullptr;
    return m_line.get();
}

} // namespace vexlor
