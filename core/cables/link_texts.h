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

// How a user who may not open the cable's serial port gets access: the
// window's box and the command line both give it.
inline constexpr const char *kCableAccessCaption = QT_TRANSLATE_NOOP("Link", "Programming cable access");
//: keep the file names and the command lines as they are
inline constexpr const char *kCableAccessFix = QT_TRANSLATE_NOOP("Link",
    "Install the cable rule that comes with the package (70-vexlor-cable.rules), then\n"
    "unplug the cable and plug it in again. The package puts the rule in\n"
    "/usr/lib/udev/rules.d; for a build from source, install it with\n"
    "  sudo cp packaging/70-vexlor-cable.rules /etc/udev/rules.d/\n"
    "  sudo udevadm control --reload\n"
    "Or join the dialout group, whose members may open serial ports:\n"
    "  sudo usermod -aG dialout $USER\n"
    "then log out and in again.");

} // namespace vexlor::texts

namespace vexlor {

// A text of this header as the user reads it.
[[nodiscard]] inline QString linkText(const char *text)
{
    return translated("Link", text);
}

} // namespace vexlor
