#pragma once

#include <QString>

#include <optional>

namespace vexlor {

// The USB device a serial port hangs off, as the kernel describes it in sysfs.
struct UsbDeviceInfo {
    quint16 vendorId = 0;
    quint16 productId = 0;
    int busNumber = 0;     // with deviceAddress, names the device to libusb
    int deviceAddress = 0;
    QString serialNumber;  // empty when the device has none
    QString product;       // the device's own name, "FT232R USB UART"
};

// The USB device behind the tty `ttyName` ("ttyUSB0"), read from the sysfs
// tree at `sysfsRoot` ("/sys"): class/tty/<name>/device, then up to the
// nearest ancestor that has an idVendor. Nullopt for a tty that is not on USB
// (a built-in port, a pseudo-terminal) or that sysfs does not know. Works
// without udev, which a system may not run.
[[nodiscard]] std::optional<UsbDeviceInfo> usbDeviceOfTty(const QString &sysfsRoot,
                                                          const QString &ttyName);

} // namespace vexlor
