#include "fakes.h"

#include "link/cable.h"
#include "link/link_texts.h"
#include "link/port_finder.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace vexlor;

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

    // The bridge line behind a port is its cable's: a listed cable port (also
    // named through a link) has one, a port of no known cable none; with no
    // port at all the usual cable's line is still driven.
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
        lister.extraNodes.insert(QStringLiteral("/dev/pts/3"));
        CableBridgeLines bridges(lister);
        QVERIFY(bridges.bridgeLineFor(node));
        QVERIFY(bridges.bridgeLineFor(byId));
        QVERIFY(bridges.bridgeLineFor(QString()));
        QVERIFY(!bridges.bridgeLineFor(QStringLiteral("/dev/ttyACM0")));
        QVERIFY(!bridges.bridgeLineFor(QStringLiteral("/dev/pts/3")));

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
