#pragma once

#include "bridge_line.h"
#include "port_discovery.h"

#include <QString>

#include <memory>
#include <span>

namespace vexlor {

// A kind of programming cable: how it is recognised among the serial ports
// and how its bridge line is driven. A second kind of cable is one more entry
// in cableTypes().
struct CableType {
    const char *name;     // "FTDI USB serial bridge"
    quint16 usbVendorId;  // the USB vendor its serial ports report
    // The bridge line behind the cable's serial port at `portPath`; null when
    // the cable has none.
    std::unique_ptr<BridgeLine> (*makeBridgeLine)(const QString &portPath);
};

// Every cable the tool knows, the usual one first.
[[nodiscard]] std::span<const CableType> cableTypes();

// The cable behind a listed port, or null for a port of no known cable.
[[nodiscard]] const CableType *cableTypeOf(const SerialPortEntry &entry);

// What start-up and shutdown ask for the port they work on: the bridge line
// of the cable behind that port, or null when there is none to drive.
class BridgeLineProvider {
public:
    virtual ~BridgeLineProvider() = default;
    // Owned by the provider; valid until the next call.
    [[nodiscard]] virtual BridgeLine *bridgeLineFor(const QString &portPath) = 0;
};

// The real provider: the cable type of the port as the system lists it. With
// no port at all the usual cable's line is still driven, as a cable whose
// serial device is missing (left detached) may be the one attached; a port
// of no known cable (a pseudo-terminal, another adapter) has no line.
class CableBridgeLines final : public BridgeLineProvider {
public:
    // `lister` must outlive the provider.
    explicit CableBridgeLines(const PortLister &lister) : m_lister(lister) {}

    [[nodiscard]] BridgeLine *bridgeLineFor(const QString &portPath) override;

private:
    [[nodiscard]] const CableType *cableTypeAt(const QString &portPath) const;

    const PortLister &m_lister;
    std::unique_ptr<BridgeLine> m_line;
};

} // namespace vexlor
