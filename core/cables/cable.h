#pragma once

#include "bridge_line.h"
#include "port_discovery.h"

#include <QString>

#include <memory>
#include <span>

namespace vexlor {

// A kind of programming cable: how it is recognised among the serial ports,
// how its bridge line is driven and how its port is best used. A second kind
// of cable is one more entry in cableTypes().
struct CableType {
    const char *name;     // "FTDI USB serial bridge"
    quint16 usbVendorId;  // the USB vendor its serial ports report
    // The bridge line of exactly the cable behind the listed port `entry`;
    // null when that cable has none or its USB device cannot be told apart.
    std::unique_ptr<BridgeLine> (*makeBridgeLine)(const SerialPortEntry &entry);
    // Its chip holds short replies back until a latency timer runs out, and
    // its driver can be asked to shorten that timer.
    bool asksLowLatency;
    // The Linux kernel module that makes a serial port of it.
    const char *kernelDriver;
};

// Every cable the tool knows, the usual one first.
[[nodiscard]] std::span<const CableType> cableTypes();

// The cable of a USB vendor, or null for a vendor of no known cable.
[[nodiscard]] const CableType *cableTypeWithVendor(quint16 vendorId);

// The cable behind a listed port, or null for a port of no known cable.
[[nodiscard]] const CableType *cableTypeOf(const SerialPortEntry &entry);

// Whether the port at `portPath` is that of a cable whose driver should be
// asked for low latency.
[[nodiscard]] bool portAsksLowLatency(const PortLister &lister, const QString &portPath);

// What start-up and shutdown ask for the port they work on: the bridge line
// of the cable behind that port, or null when there is none to drive.
class BridgeLineProvider {
public:
    virtual ~BridgeLineProvider() = default;
    // Owned by the provider; valid until the next call.
    [[nodiscard]] virtual BridgeLine *bridgeLineFor(const QString &portPath) = 0;
};

// The real provider: the cable type of the port as the system lists it, and
// within it the very USB device behind that port. No port, a port of no known
// cable (a pseudo-terminal, another adapter) or one whose USB device is not
// known: no line, so no other program's adapter is ever touched.
class CableBridgeLines final : public BridgeLineProvider {
public:
    // `lister` must outlive the provider.
    explicit CableBridgeLines(const PortLister &lister) : m_lister(lister) {}

    [[nodiscard]] BridgeLine *bridgeLineFor(const QString &portPath) override;

private:
    const PortLister &m_lister;
    std::unique_ptr<BridgeLine> m_line;
};

} // namespace vexlor
