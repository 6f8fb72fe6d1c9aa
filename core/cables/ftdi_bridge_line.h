#pragma once

#include "bridge_line.h"
#include "port_discovery.h"

#include <memory>

namespace vexlor {

// BridgeLine through libftdi1, on the one USB device at `location` (the
// cable behind the port in use; other adapters of the family are never
// opened). The device is opened only for the call; the kernel's serial driver
// is detached for it and re-attached when the handle closes, so the serial
// port comes back (possibly under a new device node, a moment later).
class FtdiBridgeLine final : public BridgeLine {
public:
    explicit FtdiBridgeLine(UsbLocation location) : m_location(std::move(location)) {}

    int setBridgeLine(int flag) override;

private:
    UsbLocation m_location;
};

// The bridge line of the cable behind the listed port `entry`, the way the
// platform drives it (libftdi on the port's USB device here, the chip maker's
// driver library on Windows); null when that device cannot be told apart or
// the platform has no way to reach it.
[[nodiscard]] std::unique_ptr<BridgeLine> makeFtdiBridgeLine(const SerialPortEntry &entry);

} // namespace vexlor
