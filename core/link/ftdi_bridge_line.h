#pragma once

#include "bridge_line.h"
#include "port_discovery.h"

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

} // namespace vexlor
