#pragma once

#include <QtGlobal>

// The serial port and the port list of the platform the program is built
// for; each program's main builds them and hands them over.
#ifdef Q_OS_WIN
#include "cables/windows_port_lister.h"
#include "windows_serial_port.h"
#else
#include "cables/port_discovery.h"
#include "qt_serial_port.h"
#endif

namespace vexlor {

#ifdef Q_OS_WIN
using PlatformSerialPort = WindowsSerialPort;
using PlatformPortLister = WindowsPortLister;
#else
using PlatformSerialPort = QtSerialPort;
using PlatformPortLister = SystemPortLister;
#endif

} // namespace vexlor
