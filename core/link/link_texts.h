#pragma once

// Texts of the controller link shown to the user. The window and the CLI both
// take them from here, so the two never drift apart.
namespace vexlor::texts {

inline constexpr const char *kDeviceConnected = "Device Connected";
inline constexpr const char *kDeviceLost = "Device Lost";

inline constexpr const char *kConnectionTestCaption = "Controller connection test result";
inline constexpr const char *kDuplicateDevice =
    "Another COM device using the same name is detected,\nplease remove it first.";

// How a user without access to serial ports gets it (for the command line; the
// window keeps to its status label).
inline constexpr const char *kSerialPermissionHint =
    "Your user may not open serial ports. Add yourself to the serial port group with\n"
    "  sudo usermod -aG dialout $USER\n"
    "and log in again, or install the udev rule that comes with the package.";

} // namespace vexlor::texts
