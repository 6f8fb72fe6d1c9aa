#include "system_facts.h"

#include "params/message_input.h"

#include <QFileInfo>

#include <algorithm>

namespace vexlor::facts {
namespace {

// The lines of an account file, split at its colons.
QList<QStringList> accountLines(const SystemView &system, const char *path)
{
    QList<QStringList> lines;
    const QByteArray bytes = system.readFile(QLatin1String(path)).value_or(QByteArray());
    for (const QByteArray &line : bytes.split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        lines << QString::fromUtf8(line).split(u':');
    }
    return lines;
}

QString attribute(const SystemView &system, const QString &folder, const char *name)
{
    const auto bytes = system.readFile(folder + u'/' + QLatin1String(name));
    return bytes ? QString::fromUtf8(*bytes).trimmed() : QString();
}

quint16 hexAttribute(const SystemView &system, const QString &folder, const char *name)
{
    return attribute(system, folder, name).toUShort(nullptr, 16);
}

// The nearest folder at or above `folder` that is a USB device (has an idVendor).
QString usbDeviceAbove(const SystemView &system, QString folder)
{
    while (folder.startsWith(QLatin1String("/sys/")) && folder.count(u'/') > 2) {
        if (system.readFile(folder + QLatin1String("/idVendor")))
            return folder;
        folder = QFileInfo(folder).path();
    }
    return {};
}

} // namespace

QList<Group> groups(const SystemView &system)
{
    QList<Group> result;
    for (const QStringList &fields : accountLines(system, "/etc/group")) {
        if (fields.size() < 3)
            continue;
        const QStringList members = fields.value(3).split(u',', Qt::SkipEmptyParts);
        result.append({fields[0], fields[2].toUInt(), members});
    }
    return result;
}

QList<User> users(const SystemView &system)
{
    QList<User> result;
    for (const QStringList &fields : accountLines(system, "/etc/passwd")) {
        if (fields.size() >= 4)
            result.append({fields[0], fields[2].toUInt(), fields[3].toUInt()});
    }
    return result;
}

std::optional<Group> groupWithId(const SystemView &system, uint gid)
{
    for (const Group &group : groups(system)) {
        if (group.gid == gid)
            return group;
    }
    return std::nullopt;
}

std::optional<Group> groupNamed(const SystemView &system, const QString &name)
{
    for (const Group &group : groups(system)) {
        if (group.name == name)
            return group;
    }
    return std::nullopt;
}

QString userName(const SystemView &system, uint uid)
{
    for (const User &user : users(system)) {
        if (user.uid == uid)
            return user.name;
    }
    return QString::number(uid);
}

QString groupName(const SystemView &system, uint gid)
{
    const auto group = groupWithId(system, gid);
    return group ? group->name : QString::number(gid);
}

bool accountsListMember(const SystemView &system, const QString &user, uint gid)
{
    const auto group = groupWithId(system, gid);
    if (group && group->members.contains(user))
        return true;
    const QList<User> all = users(system);
    return std::any_of(all.cbegin(), all.cend(),
                       [&](const User &u) { return u.name == user && u.gid == gid; });
}

QList<int> processIds(const SystemView &system)
{
    QList<int> ids;
    for (const QString &name : system.folderEntries(QStringLiteral("/proc")).value_or(QStringList())) {
        bool number = false;
        const int pid = name.toInt(&number);
        if (number && pid > 0)
            ids << pid;
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

QString processName(const SystemView &system, int pid)
{
    const auto comm = system.readFile(QStringLiteral("/proc/%1/comm").arg(pid));
    return comm ? escapedForDisplay(QString::fromUtf8(comm->trimmed())) : QString();
}

bool processRuns(const SystemView &system, const QString &name)
{
    const QList<int> ids = processIds(system);
    return std::any_of(ids.cbegin(), ids.cend(), [&](int pid) { return processName(system, pid) == name; });
}

Holders holdersOf(const SystemView &system, const QString &node, int ownPid)
{
    Holders holders;
    for (const int pid : processIds(system)) {
        const QString folder = QStringLiteral("/proc/%1/fd").arg(pid);
        const auto descriptors = system.folderEntries(folder);
        if (!descriptors) {
            ++holders.unseen;
            continue;
        }
        const bool holds = std::any_of(descriptors->cbegin(), descriptors->cend(), [&](const QString &fd) {
            return system.linkTarget(folder + u'/' + fd) == node;
        });
        if (!holds)
            continue;
        if (pid == ownPid)
            holders.self = true;
        else
            holders.others.append({pid, processName(system, pid)});
    }
    return holders;
}

std::optional<UsbSerialPort> usbSerialPort(const SystemView &system, const QString &tty)
{
    if (tty.isEmpty() || tty.contains(u'/'))
        return std::nullopt;
    const QString port = system.canonicalPath(QStringLiteral("/sys/class/tty/%1/device").arg(tty));
    const QString usb = port.isEmpty() ? QString() : usbDeviceAbove(system, port);
    if (usb.isEmpty())
        return std::nullopt;
    UsbSerialPort found;
    found.tty = tty;
    found.portFolder = port;
    found.driver = QFileInfo(system.linkTarget(port + QLatin1String("/driver"))).fileName();
    found.usbFolder = usb;
    found.vendorId = hexAttribute(system, usb, "idVendor");
    found.productId = hexAttribute(system, usb, "idProduct");
    found.release = hexAttribute(system, usb, "bcdDevice");
    found.serialNumber = escapedForDisplay(attribute(system, usb, "serial"));
    found.product = escapedForDisplay(attribute(system, usb, "product"));
    found.manufacturer = escapedForDisplay(attribute(system, usb, "manufacturer"));
    return found;
}

QList<UsbSerialPort> usbSerialPorts(const SystemView &system)
{
    QStringList ttys = system.folderEntries(QStringLiteral("/sys/class/tty")).value_or(QStringList());
    ttys.sort();
    QList<UsbSerialPort> ports;
    for (const QString &tty : std::as_const(ttys)) {
        if (auto port = usbSerialPort(system, tty))
            ports.append(*port);
    }
    return ports;
}

QStringList usbDevicesOfVendor(const SystemView &system, quint16 vendorId)
{
    QStringList devices;
    const QString bus = QStringLiteral("/sys/bus/usb/devices");
    for (const QString &name : system.folderEntries(bus).value_or(QStringList())) {
        // Interfaces ("1-1:1.0") carry no idVendor of their own.
        const QString folder = bus + u'/' + name;
        if (!name.contains(u':') && system.readFile(folder + QLatin1String("/idVendor"))
            && hexAttribute(system, folder, "idVendor") == vendorId)
            devices << system.canonicalPath(folder);
    }
    devices.sort();
    return devices;
}

QString usbId(quint16 vendorId, quint16 productId)
{
    return QStringLiteral("%1:%2")
        .arg(vendorId, 4, 16, QLatin1Char('0'))
        .arg(productId, 4, 16, QLatin1Char('0'));
}

} // namespace vexlor::facts
