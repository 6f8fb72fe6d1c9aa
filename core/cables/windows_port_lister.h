#pragma once

#include "port_discovery.h"

namespace vexlor {

// PortLister for Windows: the COM ports Qt Serial Port finds (with the USB
// vendor and serial number the device's driver reports), named as the user
// knows them ("COM9"). A port exists when the system knows its device name,
// listed or not (Wine maps ports that no listing shows).
class WindowsPortLister final : public PortLister {
public:
    [[nodiscard]] QList<SerialPortEntry> ports() const override;
    [[nodiscard]] bool exists(const QString &path) const override;
};

// "COM9" for "COM9", "com9" and "\\.\COM9"; empty for anything that is not
// a COM port's name.
[[nodiscard]] QString comPortName(const QString &path);

} // namespace vexlor
