#pragma once

#include "system_view.h"

#include <optional>

// What the checks read of the system, each in one place: accounts from
// /etc/passwd and /etc/group, processes from /proc, USB serial ports from /sys.
namespace vexlor::facts {

// One line of /etc/group.
struct Group {
    QString name;
    uint gid = 0;
    QStringList members;
};

// One line of /etc/passwd (the parts the checks need).
struct User {
    QString name;
    uint uid = 0;
    uint gid = 0; // the primary group
};

[[nodiscard]] QList<Group> groups(const SystemView &system);
[[nodiscard]] QList<User> users(const SystemView &system);
[[nodiscard]] std::optional<Group> groupWithId(const SystemView &system, uint gid);
[[nodiscard]] std::optional<Group> groupNamed(const SystemView &system, const QString &name);
// The user's name for `uid`, or the number when /etc/passwd does not know it.
[[nodiscard]] QString userName(const SystemView &system, uint uid);
// The group's name for `gid`, or the number when /etc/group does not know it.
[[nodiscard]] QString groupName(const SystemView &system, uint gid);
// Whether the account files make `user` a member of `gid`: listed as a
// member, or it is the user's primary group. A login that began before the
// user was added does not carry the group yet.
[[nodiscard]] bool accountsListMember(const SystemView &system, const QString &user, uint gid);

// A running process.
struct Process {
    int pid = 0;
    QString name; // its command name (/proc/<id>/comm), escaped for display
};

[[nodiscard]] QList<int> processIds(const SystemView &system);
[[nodiscard]] QString processName(const SystemView &system, int pid);
// Whether a process of this command name runs.
[[nodiscard]] bool processRuns(const SystemView &system, const QString &name);

// Who holds a device node open, as far as /proc shows it.
struct Holders {
    QList<Process> others; // processes whose open files show the node
    bool self = false;     // this process holds it
    int unseen = 0;        // processes whose open files may not be looked at
};
[[nodiscard]] Holders holdersOf(const SystemView &system, const QString &node, int ownPid);

// A serial port of a USB device, as sysfs describes it.
struct UsbSerialPort {
    QString tty;        // "ttyUSB0"
    QString portFolder; // the serial port's device folder (driver, latency_timer)
    QString driver;     // "ftdi_sio"; empty when none is bound
    QString usbFolder;  // the USB device's folder, "/sys/devices/.../1-1"
    quint16 vendorId = 0;
    quint16 productId = 0;
    quint16 release = 0; // bcdDevice
    QString serialNumber;
    QString product;
    QString manufacturer;
};

// The USB serial port behind the tty `tty`; nullopt for a tty that is not on
// USB (a built-in port, a pseudo-terminal) or that sysfs does not know.
[[nodiscard]] std::optional<UsbSerialPort> usbSerialPort(const SystemView &system, const QString &tty);
// Every USB serial port, by tty name.
[[nodiscard]] QList<UsbSerialPort> usbSerialPorts(const SystemView &system);
// The USB devices of `vendorId` (their folders), whatever drives them.
[[nodiscard]] QStringList usbDevicesOfVendor(const SystemView &system, quint16 vendorId);

// "0403:6001"
[[nodiscard]] QString usbId(quint16 vendorId, quint16 productId);

} // namespace vexlor::facts
