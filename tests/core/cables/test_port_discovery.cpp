#include "fakes.h"

#include "cables/cable.h"
#include "cables/link_texts.h"
#include "cables/port_finder.h"
#include "cables/usb_sysfs.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace vexlor;

namespace {

// A sysfs tree laid out as the kernel does, in a temporary folder: devices
// under devices/, each tty's class entry with a device link into them.
struct FakeSysfs {
    QTemporaryDir dir;

    // devices/<path> with its attributes, "name=value".
    void device(const QString &path, const QStringList &attributes = {}) const
    {
        QDir(dir.path()).mkpath(QStringLiteral("devices/") + path);
        for (const QString &attribute : attributes) {
            QFile file(dir.filePath(QStringLiteral("devices/%1/%2").arg(path, attribute.section(u'=', 0, 0))));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(attribute.section(u'=', 1).toUtf8() + '\n');
        }
    }
    // class/tty/<name>/device leading to devices/<devicePath>.
    void tty(const QString &name, const QString &devicePath) const
    {
        device(devicePath);
        QDir(dir.path()).mkpath(QStringLiteral("class/tty/") + name);
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("devices/") + devicePath),
                            dir.filePath(QStringLiteral("class/tty/%1/device").arg(name))));
    }
};

const QString kUsbBus = QStringLiteral("pci0000:00/0000:00:14.0/usb1");

// A machine with an FTDI cable, an Arduino behind a hub, a built-in port.
void buildMachine(const FakeSysfs &sysfs)
{
    sysfs.device(kUsbBus, {"idVendor=1d6b", "busnum=1", "devnum=1"}); // the root hub
    sysfs.device(kUsbBus + "/1-1", {"idVendor=0403", "idProduct=6001", "busnum=1", "devnum=5",
                                    "serial=A10KZP4Q", "product=FT232R USB UART"});
    sysfs.tty("ttyUSB0", kUsbBus + "/1-1/1-1:1.0/ttyUSB0");
    sysfs.device(kUsbBus + "/1-2", {"idVendor=05e3", "busnum=1", "devnum=6"}); // a hub
    sysfs.device(kUsbBus + "/1-2/1-2.4", {"idVendor=2341", "idProduct=0043", "busnum=1", "devnum=9"});
    sysfs.tty("ttyACM0", kUsbBus + "/1-2/1-2.4/1-2.4:1.0/tty/ttyACM0");
    sysfs.tty("ttyS0", "platform/serial8250/tty/ttyS0");
}

} // namespace

class TestPortDiscovery : public QObject {
    Q_OBJECT
private slots:
    // Only ports of the bridge chip's vendor are candidates; a later one wins.
    void scanKeepsBridgePortsAndUsesTheLast_data()
    {
        QTest::addColumn<QStringList>("layout"); // "b:path" bridge, "o:path" other vendor, "n:path" not USB
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("candidates");
        QTest::newRow("none") << QStringList{} << QString() << 0;
        QTest::newRow("only others") << QStringList{"o:/dev/ttyUSB0", "n:/dev/ttyS0"} << QString() << 0;
        QTest::newRow("one bridge among others")
            << QStringList{"n:/dev/ttyS0", "b:/dev/ttyUSB1", "o:/dev/ttyACM0"}
            << QStringLiteral("/dev/ttyUSB1") << 1;
        QTest::newRow("two bridges: the last")
            << QStringList{"b:/dev/ttyUSB5", "o:/dev/ttyACM0", "b:/dev/ttyUSB9"}
            << QStringLiteral("/dev/ttyUSB9") << 2;
    }
    void scanKeepsBridgePortsAndUsesTheLast()
    {
        QFETCH(QStringList, layout);
        QFETCH(QString, path);
        QFETCH(int, candidates);
        FakePortLister lister;
        for (const QString &item : layout) {
            const QString p = item.mid(2);
            if (item.startsWith(u'b'))
                lister.addBridge(p);
            else if (item.startsWith(u'o'))
                lister.addOther(p);
            else
                lister.addOther(p, false, 0);
        }
        const DiscoveryResult r = discoverPort(lister, QString());
        QCOMPARE(r.path, path);
        QCOMPARE(r.candidateCount, candidates);
        QCOMPARE(r.duplicate(), candidates > 1);
    }

    // The override names one device: found when its node exists (listed or
    // not, as a pseudo-terminal), nothing when it does not; never the scan.
    void overridePathReplacesTheScan()
    {
        FakePortLister lister;
        lister.addBridge(QStringLiteral("/dev/ttyUSB0"));
        lister.addBridge(QStringLiteral("/dev/ttyUSB1"));
        lister.extraNodes.insert(QStringLiteral("/dev/pts/7"));

        DiscoveryResult r = discoverPort(lister, QStringLiteral("/dev/pts/7"));
        QCOMPARE(r.path, QStringLiteral("/dev/pts/7"));
        QVERIFY(!r.duplicate());

        r = discoverPort(lister, QStringLiteral("/dev/pts/8"));
        QVERIFY(!r.found());
        QCOMPARE(r.candidateCount, 0);
    }

    // VEXLOR_PORT is read by the one function main calls; the finder takes
    // whatever override it is given, and the scan without one.
    void overrideComesFromTheEnvironmentThroughMain()
    {
        FakePortLister lister;
        lister.addBridge(QStringLiteral("/dev/ttyUSB0"));
        lister.extraNodes.insert(QStringLiteral("/dev/pts/3"));
        qputenv(kPortEnvironmentVariable, "/dev/pts/3");
        const QString fromEnvironment = portOverrideFromEnvironment();
        qunsetenv(kPortEnvironmentVariable);
        QCOMPARE(fromEnvironment, QStringLiteral("/dev/pts/3"));
        QVERIFY(portOverrideFromEnvironment().isEmpty());

        QCOMPARE(PortFinder(lister, fromEnvironment).find().path, QStringLiteral("/dev/pts/3"));
        QCOMPARE(PortFinder(lister, QString()).find().path, QStringLiteral("/dev/ttyUSB0"));
    }

    // sysfs names the USB device behind a tty: the nearest ancestor with a
    // vendor (not the hub or root hub above it), with its bus number,
    // address and serial number; a tty not on USB, or unknown, has none.
    void sysfsNamesTheUsbDeviceBehindATty_data()
    {
        QTest::addColumn<QString>("tty");
        QTest::addColumn<int>("vendor"); // -1: no USB device
        QTest::addColumn<int>("bus");
        QTest::addColumn<int>("address");
        QTest::addColumn<QString>("serial");
        QTest::newRow("FTDI cable") << "ttyUSB0" << 0x0403 << 1 << 5 << "A10KZP4Q";
        QTest::newRow("behind a hub") << "ttyACM0" << 0x2341 << 1 << 9 << "";
        QTest::newRow("built-in port") << "ttyS0" << -1 << 0 << 0 << "";
        QTest::newRow("not in sysfs") << "ttyUSB7" << -1 << 0 << 0 << "";
        QTest::newRow("a path, not a name") << "../../devices" << -1 << 0 << 0 << "";
    }
    void sysfsNamesTheUsbDeviceBehindATty()
    {
        QFETCH(QString, tty);
        QFETCH(int, vendor);
        QFETCH(int, bus);
        QFETCH(int, address);
        QFETCH(QString, serial);
        FakeSysfs sysfs;
        buildMachine(sysfs);
        const std::optional<UsbDeviceInfo> usb = usbDeviceOfTty(sysfs.dir.path(), tty);
        QCOMPARE(usb.has_value(), vendor >= 0);
        if (!usb)
            return;
        QCOMPARE(int(usb->vendorId), vendor);
        QCOMPARE(usb->busNumber, bus);
        QCOMPARE(usb->deviceAddress, address);
        QCOMPARE(usb->serialNumber, serial);
    }

    // Without udev the port list knows no vendor: sysfs supplies it (and the
    // USB location, and a description), so the cable is still found; what
    // the list did know stays.
    void portListIsCompletedFromSysfs()
    {
        FakeSysfs sysfs;
        buildMachine(sysfs);
        FakePortLister lister;
        for (const char *name : {"ttyS0", "ttyUSB0", "ttyACM0"}) {
            SerialPortEntry entry{QStringLiteral("/dev/") + name, false, 0, {}, {}};
            completeFromSysfs(entry, QString::fromLatin1(name), sysfs.dir.path());
            lister.entries.append(entry);
        }
        QCOMPARE(discoverPort(lister, QString()).path, QStringLiteral("/dev/ttyUSB0"));
        const SerialPortEntry &cable = lister.entries[1];
        QCOMPARE(cable.description, QStringLiteral("FT232R USB UART"));
        QCOMPARE(cable.usb.busNumber, 1);
        QCOMPARE(cable.usb.deviceAddress, 5);
        QVERIFY(!lister.entries[0].hasVendorId && !lister.entries[0].usb.known());

        SerialPortEntry listed{QStringLiteral("/dev/ttyACM0"), true, 0x1234, QStringLiteral("Uno"), {}};
        completeFromSysfs(listed, QStringLiteral("ttyACM0"), sysfs.dir.path());
        QCOMPARE(listed.vendorId, 0x1234);
        QCOMPARE(listed.description, QStringLiteral("Uno"));
        QCOMPARE(listed.usb.deviceAddress, 9);
    }

    // The port in use is looked up in its own sysfs entry, found as the list
    // would show it: a cable's port with its vendor and USB device, a
    // built-in port without; a node sysfs has no tty for is not listed.
    void portInUseIsLookedUpInItsOwnEntry()
    {
        FakeSysfs sysfs;
        buildMachine(sysfs);
        const SystemPortLister lister(sysfs.dir.path());
        const std::optional<SerialPortEntry> cable = lister.portAt(QStringLiteral("/dev/ttyUSB0"));
        QVERIFY(cable);
        QCOMPARE(cableTypeOf(*cable), &cableTypes().front());
        QCOMPARE(cable->usb.busNumber, 1);
        QCOMPARE(cable->usb.deviceAddress, 5);
        const std::optional<SerialPortEntry> builtIn = lister.portAt(QStringLiteral("/dev/ttyS0"));
        QVERIFY(builtIn && !cableTypeOf(*builtIn));
        for (const char *path : {"/dev/ttyUSB7", "/dev/pts/3", "", "/dev/../ttyUSB0"})
            QVERIFY2(!lister.portAt(QString::fromLatin1(path)), path);
    }

    // The bridge line behind a port is its cable's: a listed cable port (also
    // named through a link) has one; a port of no known cable (even one whose
    // USB device is known), a cable whose USB device is unknown, and no port
    // at all have none, so no other adapter is ever driven.
    void bridgeLineFollowsTheCable()
    {
        QTemporaryDir dir;
        const QString node = dir.filePath(QStringLiteral("ttyUSB9"));
        const QString byId = dir.filePath(QStringLiteral("usb-cable-if00-port0"));
        QFile(node).open(QIODevice::WriteOnly);
        QVERIFY(QFile::link(node, byId));
        FakePortLister lister;
        lister.addBridge(node);
        lister.addOther(QStringLiteral("/dev/ttyACM0"));
        lister.addOther(QStringLiteral("/dev/ttyUSB2"));
        lister.entries.last().usb = {1, 9, QStringLiteral("0001")}; // an Arduino's, bus and address known
        lister.addBridge(QStringLiteral("/dev/ttyUSB4"));
        lister.entries.last().usb = {};
        lister.extraNodes.insert(QStringLiteral("/dev/pts/3"));
        CableBridgeLines bridges(lister);
        QVERIFY(bridges.bridgeLineFor(node));
        QVERIFY(bridges.bridgeLineFor(byId));
        QVERIFY(!bridges.bridgeLineFor(QString()));
        QVERIFY(!bridges.bridgeLineFor(QStringLiteral("/dev/ttyUSB4")));
        QVERIFY(!bridges.bridgeLineFor(QStringLiteral("/dev/ttyACM0")));
        QVERIFY(!bridges.bridgeLineFor(QStringLiteral("/dev/ttyUSB2")));
        QVERIFY(!bridges.bridgeLineFor(QStringLiteral("/dev/pts/3")));
        QVERIFY(portAsksLowLatency(lister, byId));
        QVERIFY(!portAsksLowLatency(lister, QStringLiteral("/dev/ttyACM0")));
        QVERIFY(!portAsksLowLatency(lister, QStringLiteral("/dev/ttyUSB2")));
        QVERIFY(!portAsksLowLatency(lister, QStringLiteral("/dev/pts/3")));

        QCOMPARE(cableTypeOf(lister.entries[0]), &cableTypes().front());
        QCOMPARE(cableTypeOf(lister.entries[1]), nullptr);
        QCOMPARE(cableTypes().front().usbVendorId, 0x0403);
    }

    // Duplicates raise the message, but never a second one while the first
    // is still open; after it closes the next run raises it again.
    void duplicateReportIsNotStacked()
    {
        FakePortLister lister;
        lister.addBridge(QStringLiteral("/dev/ttyUSB0"));
        lister.addBridge(QStringLiteral("/dev/ttyUSB1"));
        PortFinder finder(lister, QString());
        QSignalSpy reports(&finder, &PortFinder::duplicateDeviceReport);

        QCOMPARE(finder.find().path, QStringLiteral("/dev/ttyUSB1"));
        QCOMPARE(finder.find().path, QStringLiteral("/dev/ttyUSB1"));
        QCOMPARE(reports.count(), 1);
        const auto message = reports.at(0).at(0).value<UserMessage>();
        QCOMPARE(message.text, QStringLiteral("Another COM device using the same name is detected,\n"
                                              "please remove it first."));
        QCOMPARE(message.caption, QStringLiteral("Controller connection test result"));
        QCOMPARE(message.icon, MessageIcon::Error);

        finder.reportClosed();
        (void)finder.find();
        QCOMPARE(reports.count(), 2);
        (void)finder.findQuietly();
        QCOMPARE(reports.count(), 2);
    }
};

QTEST_GUILESS_MAIN(TestPortDiscovery)
#include "test_port_discovery.moc"
