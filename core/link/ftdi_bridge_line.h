#pragma once

#include "bridge_line.h"

namespace vexlor {

// BridgeLine through libftdi1, on the first bridge device (index 0). The
// device is opened only for the call; the kernel's serial driver is detached
// for it and re-attached when the handle closes, so the serial port comes back
// (possibly under a new device node, a moment later).
class FtdiBridgeLine final : public BridgeLine {
public:
    int setBridgeLine(int flag) override;
};

} // namespace vexlor
