#pragma once

#include "translation.h"

// Texts of the controller link shown to the user. The window and the CLI both
// take them from here, so the two never drift apart; translation context "Link".
namespace vexlor::texts {

//: status strip, 125 pixels wide: the programming cable's port is open
inline constexpr const char *kDeviceConnected = QT_TRANSLATE_NOOP("Link", "Device Connected");
//: status strip, 125 pixels wide: the programming cable's port is gone
inline constexpr const char *kDeviceLost = QT_TRANSLATE_NOOP("Link", "Device Lost");

inline constexpr const char *kConnectionTestCaption =
    QT_TRANSLATE_NOOP("Link", "Controller connection test result");
//: "COM device": a serial port device
inline constexpr const char *kDuplicateDevice = QT_TRANSLATE_NOOP(
    "Link", "Another COM device using the same name is detected,\nplease remove it first.");

// How a user without access to serial ports gets it (for the command line; the
// window keeps to its status label).
//: keep the command line "sudo usermod -aG dialout $USER" as it is
inline constexpr const char *kSerialPermissionHint = QT_TRANSLATE_NOOP(
    "Link", "Your user may not open serial ports. Add yourself to the serial port group with\n"
            "  sudo usermod -aG dialout $USER\n"
            "and log in again, or install the udev rule that comes with the package.");

} // namespace vexlor::texts

namespace vexlor {

// A text of this header as the user reads it.
[[nodiscard]] inline QString linkText(const char *text)
{
    return translated("Link", text);
}

} // namespace vexlor
