#pragma once

// A system of the test's own making for the connection doctor: files, folders
// and links of /proc, /sys, /etc and the udev rules folders, device nodes
// with their owners and modes, and the process's identity, all in memory.
// FakeMachine adds the port list that discovery reads, and puts a whole
// cable in both at once, laid out as Linux lays it out.

#include "doctor/system_view.h"

#include "fakes.h"

#include <QFileInfo>
#include <QMap>
#include <QSet>
#include <QtEndian>

#include <cerrno>

class FakeSystem final : public vexlor::SystemView {
public:
    QMap<QString, QByteArray> files;         // by canonical path
    QMap<QString, QString> links;            // link path -> absolute target
    QSet<QString> unlistable;                // folders that may not be listed
    QMap<QString, vexlor::NodeStatus> nodes; // device nodes
    QMap<QString, QByteArray> acls;          // system.posix_acl_access values
    QMap<QString, int> openErrors;           // what opening a node gives (default 0)
    QMap<QString, int> heldLatency;          // latency_timer while held with the flag
    QMap<QString, QString> variables;        // the environment
    vexlor::ProcessIdentity me{4242, 1000, 1000, {1000, 20}, QStringLiteral("rider")};

    std::optional<QByteArray> readFile(const QString &path) const override
    {
        const QString at = canonicalPath(path);
        if (!files.contains(at))
            return std::nullopt;
        return files.value(at);
    }
    std::optional<QStringList> folderEntries(const QString &path) const override
    {
        const QString at = canonicalPath(path);
        if (at.isEmpty() || unlistable.contains(at))
            return std::nullopt;
        QSet<QString> names;
        const QString prefix = at == u"/" ? at : at + u'/';
        for (const QString &key : allPaths()) {
            if (key.startsWith(prefix))
                names.insert(key.mid(prefix.size()).section(u'/', 0, 0));
        }
        return QStringList(names.cbegin(), names.cend());
    }
    QString linkTarget(const QString &path) const override { return links.value(path); }
    QString canonicalPath(const QString &path) const override
    {
        QString resolved;
        for (const QString &part : path.split(u'/', Qt::SkipEmptyParts)) {
            resolved += u'/' + part;
            for (int depth = 0; links.contains(resolved) && depth < 8; ++depth)
                resolved = links.value(resolved);
        }
        return exists(resolved) ? resolved : QString();
    }
    std::optional<vexlor::NodeStatus> status(const QString &path) const override
    {
        const QString at = canonicalPath(path);
        if (nodes.contains(at))
            return nodes.value(at);
        if (files.contains(at))
            return vexlor::NodeStatus{0, 0, 0100644};
        return at.isEmpty() ? std::nullopt : std::optional(vexlor::NodeStatus{0, 0, 040755});
    }
    std::optional<QByteArray> extendedAttribute(const QString &path, const char *name) const override
    {
        if (qstrcmp(name, "system.posix_acl_access") != 0 || !acls.contains(path))
            return std::nullopt;
        return acls.value(path);
    }
    int tryOpen(const QString &path) const override
    {
        return nodes.contains(path) ? openErrors.value(path, 0) : ENOENT;
    }
    std::optional<int> latencyWhileHeld(const QString &device, const QString &) const override
    {
        if (tryOpen(device) != 0 || !heldLatency.contains(device))
            return std::nullopt;
        return heldLatency.value(device);
    }
    vexlor::ProcessIdentity identity() const override { return me; }
    QString environment(const char *name) const override { return variables.value(QLatin1String(name)); }

private:
    QStringList allPaths() const
    {
        return files.keys() + links.keys() + nodes.keys()
            + QStringList(unlistable.cbegin(), unlistable.cend());
    }
    bool exists(const QString &path) const
    {
        if (path.isEmpty())
            return false;
        const QStringList all = allPaths();
        return path == u"/" || all.contains(path)
            || std::any_of(all.cbegin(), all.cend(),
                           [&](const QString &k) { return k.startsWith(path + u'/'); });
    }
};

// The raw system.posix_acl_access value the kernel keeps for a file whose
// named users (uid -> permission bits, 6 = rw) are `users`.
inline QByteArray posixAcl(const QMap<uint, quint16> &users)
{
    QByteArray acl(4, '\0');
    qToLittleEndian<quint32>(2, acl.data());
    const auto entry = [&acl](quint16 tag, quint16 permissions, quint32 id) {
        QByteArray e(8, '\0');
        qToLittleEndian<quint16>(tag, e.data());
        qToLittleEndian<quint16>(permissions, e.data() + 2);
        qToLittleEndian<quint32>(id, e.data() + 4);
        acl += e;
    };
    entry(0x01, 6, 0xFFFFFFFF); // the owner
    for (auto it = users.cbegin(); it != users.cend(); ++it)
        entry(0x02, it.value(), it.key());
    entry(0x04, 6, 0xFFFFFFFF); // the owning group
    entry(0x10, 6, 0xFFFFFFFF); // the mask
    entry(0x20, 0, 0xFFFFFFFF); // others
    return acl;
}

// A machine: its system and the port list discovery reads, with a rider
// (uid 1000, in dialout) at its seat.
struct FakeMachine {
    FakeSystem system;
    FakePortLister lister;

    FakeMachine()
    {
        system.files[QStringLiteral("/etc/passwd")]
            = "root:x:0:0:root:/root:/bin/bash\nrider:x:1000:1000:Rider:/home/rider:/bin/bash\n";
        system.files[QStringLiteral("/etc/group")] = "root:x:0:\ndialout:x:20:rider\nrider:x:1000:\n";
        addProcess(1, "systemd", {});
        addProcess(system.me.pid, "vexlor-cli", {});
    }

    // A USB serial adapter at `usbPort` ("1-1"), its port `tty`, its node
    // root:dialout 0660 as Debian's own rules make it, and the port list's
    // entry. The latency timer is 16 ms and 1 ms while the tool holds it.
    void addUsbSerial(const QString &tty, quint16 vendor = 0x0403, quint16 product = 0x6001,
                      const QString &usbPort = QStringLiteral("1-1"),
                      const QString &driver = QStringLiteral("ftdi_sio"))
    {
        const QString usb = usbFolder(usbPort);
        addUsbDevice(usbPort, vendor, product);
        const QString port = usb + u'/' + usbPort + QStringLiteral(":1.0/") + tty;
        system.links[QStringLiteral("/sys/class/tty/%1/device").arg(tty)] = port;
        system.links[port + QStringLiteral("/driver")]
            = QStringLiteral("/sys/bus/usb-serial/drivers/") + driver;
        system.files[port + QStringLiteral("/latency_timer")] = "16\n";
        const QString node = QStringLiteral("/dev/") + tty;
        system.nodes[node] = vexlor::NodeStatus{0, 20, 0020660};
        system.heldLatency[node] = 1;
        if (vendor == 0x0403)
            lister.addBridge(node);
        else
            lister.addOther(node, true, vendor);
    }
    // A USB device alone, without a serial port.
    void addUsbDevice(const QString &usbPort, quint16 vendor, quint16 product)
    {
        const QString usb = usbFolder(usbPort);
        system.files[usb + QStringLiteral("/idVendor")]
            = QStringLiteral("%1\n").arg(vendor, 4, 16, QLatin1Char('0')).toLatin1();
        system.files[usb + QStringLiteral("/idProduct")]
            = QStringLiteral("%1\n").arg(product, 4, 16, QLatin1Char('0')).toLatin1();
        system.files[usb + QStringLiteral("/bcdDevice")] = "0600\n";
        system.files[usb + QStringLiteral("/serial")] = "A50285BI\n";
        system.files[usb + QStringLiteral("/product")] = "FT232R USB UART\n";
        system.links[QStringLiteral("/sys/bus/usb/devices/") + usbPort] = usb;
    }
    static QString usbFolder(const QString &usbPort)
    {
        return QStringLiteral("/sys/devices/pci0000:00/0000:00:14.0/usb1/") + usbPort;
    }
    // A running process and the files it holds open; `visible` false: another
    // user's, whose open files may not be looked at.
    void addProcess(int pid, const char *name, const QStringList &open, bool visible = true)
    {
        const QString folder = QStringLiteral("/proc/%1").arg(pid);
        system.files[folder + QStringLiteral("/comm")] = QByteArray(name) + '\n';
        for (int fd = 0; fd < open.size(); ++fd)
            system.links[folder + QStringLiteral("/fd/%1").arg(fd + 3)] = open[fd];
        if (!visible)
            system.unlistable.insert(folder + QStringLiteral("/fd"));
        else if (open.isEmpty())
            system.links[folder + QStringLiteral("/fd/0")] = QStringLiteral("/dev/null");
    }
};
