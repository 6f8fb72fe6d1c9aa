#pragma once

#include "cables/link_texts.h"

#include <QString>

namespace vexlor {

// What the status label Label15 shows: "Device Connected" on lime or
// "Device Lost" on red.
enum class DeviceState {
    Connected,
    Lost,
};

[[nodiscard]] inline QString deviceStateText(DeviceState state)
{
    return linkText(state == DeviceState::Connected ? texts::kDeviceConnected : texts::kDeviceLost);
}

} // namespace vexlor
