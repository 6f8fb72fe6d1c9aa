#pragma once

#include "bridge_line.h"
#include "port_discovery.h"

#include <QString>

#include <memory>

namespace vexlor {

// The bridge chip maker's driver library on Windows, loaded at run time; the
// tool never ships it. Its installer puts it in the system folder.
inline constexpr const char *kD2xxLibraryName = "ftd2xx.dll";

// The bridge line of the cable behind the listed port `entry` (a COM port
// with the serial number its USB device reports), through the driver library
// `library` (searched beside the program, then in the system folder). Null
// when the library is not installed or lacks a function the line needs, or
// when the port's USB device cannot be told apart (no serial number): then
// there is no line and no pause, as for a port of no known cable.
//
// Each call opens only the one device whose serial number is the port's
// (Windows names the port's device after the chip's serial number, with the
// interface's letter "A" appended for a single-interface chip), never one
// another program holds, and checks that it drives that very COM port before
// it touches the line; a port matched by two devices is left alone.
[[nodiscard]] std::unique_ptr<BridgeLine>
makeD2xxBridgeLine(const SerialPortEntry &entry,
                   const QString &library = QString::fromLatin1(kD2xxLibraryName));

} // namespace vexlor
