#pragma once

// Texts of the controller link shown to the user. The window and the CLI both
// take them from here, so the two never drift apart.
namespace vexlor::texts {

inline constexpr const char *kDeviceConnected = "Device Connected";
inline constexpr const char *kDeviceLost = "Device Lost";

inline constexpr const char *kConnectionTestCaption = "Controller connection test result";
inline constexpr const char *kDuplicateDevice =
    "Another COM device using the same name is detected,\nplease remove it first.";

// How a user who may not open the cable's serial port gets access: the
// window's box and the command line both give it.
inline constexpr const char *kCableAccessCaption = "Programming cable access";
inline constexpr const char *kCableAccessFix =
    "Install the cable rule that comes with the package (70-vexlor-cable.rules), then\n"
    "unplug the cable and plug it in again. The package puts the rule in\n"
    "/usr/lib/udev/rules.d; for a build from source, install it with\n"
    "  sudo cp packaging/70-vexlor-cable.rules /etc/udev/rules.d/\n"
    "  sudo udevadm control --reload\n"
    "Or join the dialout group, whose members may open serial ports:\n"
    "  sudo usermod -aG dialout $USER\n"
    "then log out and in again.";

} // namespace vexlor::texts
