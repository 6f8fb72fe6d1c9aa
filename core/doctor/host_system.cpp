#include "host_system.h"

#include <QFile>
#include <QFileInfo>

#include <dirent.h>
#include <fcntl.h>
#include <linux/serial.h>
#include <pwd.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace vexlor {
namespace {

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

// A read-write descriptor of the device that never becomes the controlling
// terminal and never waits for a modem line.
int openDevice(const QString &path)
{
    return ::open(native(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
}

} // namespace

std::optional<QByteArray> HostSystem::readFile(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

std::optional<QStringList> HostSystem::folderEntries(const QString &path) const
{
    // readdir rather than QDir: a folder that may not be listed (another
    // user's /proc/<id>/fd) must not look empty.
    DIR *folder = ::opendir(native(path).constData());
    if (!folder)
        return std::nullopt;
    QStringList names;
    while (const dirent *entry = ::readdir(folder)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (name != u"." && name != u"..")
            names << name;
    }
    ::closedir(folder);
    return names;
}

QString HostSystem::linkTarget(const QString &path) const
{
    char target[4096];
    const ssize_t length = ::readlink(native(path).constData(), target, sizeof target);
    if (length <= 0)
        return {};
    return QFile::decodeName(QByteArray(target, qsizetype(length)));
}

QString HostSystem::canonicalPath(const QString &path) const
{
    return QFileInfo(path).canonicalFilePath();
}

std::optional<NodeStatus> HostSystem::status(const QString &path) const
{
    struct stat st { };
    if (::stat(native(path).constData(), &st) != 0)
        return std::nullopt;
    return NodeStatus{st.st_uid, st.st_gid, st.st_mode};
}

std::optional<QByteArray> HostSystem::extendedAttribute(const QString &path, const char *name) const
{
    const QByteArray file = native(path);
    const ssize_t size = ::getxattr(file.constData(), name, nullptr, 0);
    if (size < 0)
        return std::nullopt;
    QByteArray value(qsizetype(size), '\0');
    const ssize_t read = ::getxattr(file.constData(), name, value.data(), size_t(value.size()));
    if (read < 0)
        return std::nullopt;
    value.truncate(qsizetype(read));
    return value;
}

int HostSystem::tryOpen(const QString &path) const
{
    const int fd = openDevice(path);
    if (fd < 0)
        return errno;
    // The tool sets the line's speed and framing, which only a terminal has.
    const int error = ::isatty(fd) ? 0 : ENOTTY;
    ::close(fd);
    return error;
}

std::optional<int> HostSystem::latencyWhileHeld(const QString &device, const QString &timerFile) const
{
    const int fd = openDevice(device);
    if (fd < 0)
        return std::nullopt;
    std::optional<int> latency;
    serial_struct before{};
    if (::ioctl(fd, TIOCGSERIAL, &before) == 0) {
        serial_struct low = before;
        low.flags |= ASYNC_LOW_LATENCY;
        if (::ioctl(fd, TIOCSSERIAL, &low) == 0) {
            bool ok = false;
            const int value = readFile(timerFile).value_or(QByteArray()).trimmed().toInt(&ok);
            if (ok)
                latency = value;
            // As it was: the doctor looks, it leaves nothing changed.
            (void)::ioctl(fd, TIOCSSERIAL, &before);
        }
    }
    ::close(fd);
    return latency;
}

ProcessIdentity HostSystem::identity() const
{
    ProcessIdentity who;
    who.pid = int(::getpid());
    who.uid = ::getuid();
    who.gid = ::getgid();
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(size_t(std::max(count, 0)));
    const int filled = count > 0 ? ::getgroups(count, groups.data()) : 0;
    for (int i = 0; i < filled; ++i)
        who.groups << groups[size_t(i)];
    passwd entry{};
    passwd *found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(who.uid, &entry, buffer, sizeof buffer, &found) == 0 && found)
        who.userName = QString::fromLocal8Bit(found->pw_name);
    return who;
}

QString HostSystem::environment(const char *name) const
{
    return qEnvironmentVariable(name);
}

} // namespace vexlor
