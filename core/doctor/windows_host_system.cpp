// The running system on Windows. The checks there read the port list only
// (windows_system_checks.cpp); what the Linux checks read, Windows does not
// have, so it is absent here.

#include "host_system.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace vexlor {

std::optional<QByteArray> HostSystem::readFile(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

std::optional<QStringList> HostSystem::folderEntries(const QString &) const
{
    return std::nullopt;
}

QString HostSystem::linkTarget(const QString &) const
{
    return {};
}

QString HostSystem::canonicalPath(const QString &path) const
{
    return QFileInfo(path).canonicalFilePath();
}

std::optional<NodeStatus> HostSystem::status(const QString &) const
{
    return std::nullopt;
}

std::optional<QByteArray> HostSystem::extendedAttribute(const QString &, const char *) const
{
    return std::nullopt;
}

int HostSystem::tryOpen(const QString &) const
{
    return ENOSYS;
}

std::optional<int> HostSystem::latencyWhileHeld(const QString &, const QString &) const
{
    return std::nullopt;
}

ProcessIdentity HostSystem::identity() const
{
    ProcessIdentity who;
    who.pid = int(QCoreApplication::applicationPid());
    return who;
}

QString HostSystem::environment(const char *name) const
{
    return qEnvironmentVariable(name);
}

} // namespace vexlor
