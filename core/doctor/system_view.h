#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace vexlor {

// A file's owner, group and mode, as stat(2) gives them.
struct NodeStatus {
    uint owner = 0;
    uint group = 0;
    uint mode = 0; // type and permission bits (st_mode)

    [[nodiscard]] bool isCharacterDevice() const { return (mode & 0170000) == 0020000; }
    [[nodiscard]] uint permissions() const { return mode & 07777; }
};

// Who the running process is.
struct ProcessIdentity {
    int pid = 0;
    uint uid = 0;
    uint gid = 0;
    QList<uint> groups; // getgroups(): the groups this login session carries
    QString userName;   // empty when the system does not know the user
};

// What the connection doctor reads of the system: the files, folders and
// links of /proc, /sys, /etc and the udev rules folders, the device node,
// and the process's own identity and environment. Behind an interface so
// tests hand the checks a system of their own making.
class SystemView {
public:
    virtual ~SystemView() = default;

    // A file's bytes; nullopt when it is absent or may not be read.
    [[nodiscard]] virtual std::optional<QByteArray> readFile(const QString &path) const = 0;
    // The names in a folder; nullopt when it is absent or may not be listed.
    [[nodiscard]] virtual std::optional<QStringList> folderEntries(const QString &path) const = 0;
    // Where the symbolic link `path` points, as stored; empty for no link.
    [[nodiscard]] virtual QString linkTarget(const QString &path) const = 0;
    // `path` with every link resolved; empty when it does not exist.
    [[nodiscard]] virtual QString canonicalPath(const QString &path) const = 0;
    [[nodiscard]] virtual std::optional<NodeStatus> status(const QString &path) const = 0;
    // An extended attribute's raw value; nullopt when the file has none.
    [[nodiscard]] virtual std::optional<QByteArray> extendedAttribute(const QString &path,
                                                                      const char *name) const = 0;
    // Opens the device for reading and writing, as the tool does, and closes
    // it again: 0, or the errno of the refusal; ENOTTY for what opens but is
    // no terminal (a file, the null device).
    [[nodiscard]] virtual int tryOpen(const QString &path) const = 0;
    // The driver's latency timer (`timerFile`, in ms) read while the device is
    // held open with the low-latency flag the tool sets; the flag is put back
    // as it was. Nullopt when the device does not open or has no such flag.
    [[nodiscard]] virtual std::optional<int> latencyWhileHeld(const QString &device,
                                                              const QString &timerFile) const = 0;
    [[nodiscard]] virtual ProcessIdentity identity() const = 0;
    // An environment variable; empty when unset.
    [[nodiscard]] virtual QString environment(const char *name) const = 0;
};

} // namespace vexlor
