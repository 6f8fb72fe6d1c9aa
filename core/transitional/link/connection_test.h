#pragma once

// Transitional: the connection check under the name and place the window's
// own wiring still includes. Remove once ControllerCommands runs on
// ControllerSession. (Kept outside core/link, which never includes protocol/.)

#include "protocol/connection_check.h"

namespace vexlor {

using ConnectionTest = ConnectionCheck;
using ConnectionTestResult = ConnectionCheckResult;

} // namespace vexlor
