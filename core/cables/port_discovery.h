#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace vexlor {

// Names the one device path to use instead of the scan (other adapters, the
// emulator). Read by the programs' main functions, never below them.
inline constexpr const char *kPortEnvironmentVariable = "VEXLOR_PORT";

// Where a USB serial port's device sits on the bus: what opens that very
// device (and no other of its kind) through libusb.
struct UsbLocation {
    int busNumber = 0;
    int deviceAddress = 0;
    QString serialNumber;

    [[nodiscard]] bool known() const { return busNumber > 0 && deviceAddress > 0; }
};

// One serial port as the system lists it.
struct SerialPortEntry {
    QString path;             // device path, "/dev/ttyUSB0"
    bool hasVendorId = false; // false for ports that are not USB devices
    quint16 vendorId = 0;
    QString description;
    UsbLocation usb;          // unknown for ports that are not USB devices
};

// Lists the system's serial ports; never opens one.
class PortLister {
public:
    virtual ~PortLister() = default;
    [[nodiscard]] virtual QList<SerialPortEntry> ports() const = 0;
    // The listed port at `path` (also when named through a link such as
    // /dev/serial/by-id/...); nullopt when the list does not hold it, as for a
    // pseudo-terminal. Here it searches ports(); a lister that can look up
    // one port by itself does so.
    [[nodiscard]] virtual std::optional<SerialPortEntry> portAt(const QString &path) const;
    // Whether a device node exists at `path` (listed or not: a pseudo-terminal
    // is a serial device no listing shows).
    [[nodiscard]] virtual bool exists(const QString &path) const = 0;
};

// PortLister over QSerialPortInfo, completed from sysfs, and the file system.
// The port in use is looked up in its own sysfs entry: listing every port
// reads the attributes of every tty, which only discovery needs.
class SystemPortLister final : public PortLister {
public:
    explicit SystemPortLister(QString sysfsRoot = QStringLiteral("/sys"))
        : m_sysfsRoot(std::move(sysfsRoot))
    {
    }

    [[nodiscard]] QList<SerialPortEntry> ports() const override;
    [[nodiscard]] std::optional<SerialPortEntry> portAt(const QString &path) const override;
    [[nodiscard]] bool exists(const QString &path) const override;

private:
    QString m_sysfsRoot;
};

// Adds what sysfs (under `sysfsRoot`) knows of the tty `ttyName` to its
// entry: the USB location always, the vendor and description where the list
// had none (QSerialPortInfo learns them from udev, which may not be running).
void completeFromSysfs(SerialPortEntry &entry, const QString &ttyName, const QString &sysfsRoot);

// What one discovery run found.
struct DiscoveryResult {
    QString path;          // the port to use; empty when none was found
    int candidateCount = 0; // ports that matched

    // More than one candidate: the user must be told to remove the others.
    [[nodiscard]] bool duplicate() const { return candidateCount > 1; }
    [[nodiscard]] bool found() const { return !path.isEmpty(); }
};

// The controller's port: with `overridePath` set, that path when it exists and
// nothing otherwise; else the last listed port of a known cable (cable.h).
[[nodiscard]] DiscoveryResult discoverPort(const PortLister &lister, const QString &overridePath);

// VEXLOR_PORT, or empty when it is unset or empty.
[[nodiscard]] QString portOverrideFromEnvironment();

} // namespace vexlor
