#include "fake_serial_port.h"
#include "fakes.h"

#include "link/device_monitor.h"

#include <QSignalSpy>
#include <QtTest>

using namespace vexlor;

Q_DECLARE_METATYPE(vexlor::DeviceState)

namespace {

const QString kA = QStringLiteral("/dev/ttyUSB0");
const QString kB = QStringLiteral("/dev/ttyUSB1");

// "", "Connected" or "Lost": what the label was told on one tick.
QString reported(const QSignalSpy &spy)
{
    if (spy.isEmpty())
        return {};
    return spy.last().at(0).value<DeviceState>() == DeviceState::Connected ? QStringLiteral("Connected")
                                                                          : QStringLiteral("Lost");
}

} // namespace

class TestDeviceMonitor : public QObject {
    Q_OBJECT

private:
    FakePortLister lister;
    FakeSerialPort *port = nullptr;
    ControllerLink *link = nullptr;
    PortFinder *finder = nullptr;

    void present(const QString &path)
    {
        lister.entries.clear();
        if (!path.isEmpty())
            lister.addBridge(path);
    }

private slots:
    void init()
    {
        lister = {};
        port = new FakeSerialPort;
        link = new ControllerLink(port);
        finder = new PortFinder(lister, QString());
    }
    void cleanup()
    {
        delete finder;
        delete link;
    }

    // The monitor's table: n->n nothing; ->m close, rediscover, open; ->0 Lost; 0->0 nothing.
    void tickFollowsTheTransitionTable_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("found");
        QTest::addColumn<bool>("openWorks");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("reopened");
        QTest::newRow("n -> n") << kA << kA << true << QString() << kA << false;
        QTest::newRow("n -> n, not open") << "closed" << kA << true << "Connected" << kA << true;
        QTest::newRow("n -> m, opens") << kA << kB << true << "Connected" << kB << true;
        QTest::newRow("n -> m, open fails") << kA << kB << false << "Lost" << kB << false;
        QTest::newRow("0 -> m") << QString() << kB << true << "Connected" << kB << true;
        QTest::newRow("n -> 0") << kA << QString() << true << "Lost" << QString() << false;
        QTest::newRow("0 -> 0") << QString() << QString() << true << QString() << QString() << false;
    }
    void tickFollowsTheTransitionTable()
    {
        QFETCH(QString, before);
        QFETCH(QString, found);
        QFETCH(bool, openWorks);
        QFETCH(QString, label);
        QFETCH(QString, after);
        QFETCH(bool, reopened);

        const bool closed = before == u"closed"; // listed, but its open failed
        if (closed)
            before = kA;
        link->setPortPath(before);
        if (!before.isEmpty() && !closed)
            QVERIFY(link->openPort(before));
        const int opensBefore = port->openedPaths.size();
        present(found);
        if (!openWorks)
            port->failOpenWith = SerialPort::OpenError::InUse;

        DeviceMonitor monitor(link, finder);
        QSignalSpy states(&monitor, &DeviceMonitor::deviceStateReported);
        monitor.tick();

        QCOMPARE(reported(states), label);
        QVERIFY(states.size() <= 1);
        QCOMPARE(link->portPath(), after);
        QCOMPARE(port->openedPaths.size() > opensBefore, reopened);
        if (found != before)
            QVERIFY(port->closeCalls > 0); // the old port is let go first
    }

    // A listed port that is not open (refused at start-up: its node still
    // root-only, or held by another program) is tried again on every tick,
    // quietly while it keeps failing, and reported connected once it opens:
    // no replugging needed. An open port is left alone.
    void listedButClosedPortIsRetriedEachTick()
    {
        DeviceMonitor monitor(link, finder);
        QSignalSpy states(&monitor, &DeviceMonitor::deviceStateReported);
        present(kA);
        port->failOpenWith = SerialPort::OpenError::PermissionDenied;
        port->failedOpensLeft = 2;
        monitor.tick();
        QCOMPARE(reported(states), QStringLiteral("Lost"));
        monitor.tick();
        QCOMPARE(states.size(), 1);
        monitor.tick();
        QCOMPARE(reported(states), QStringLiteral("Connected"));
        monitor.tick();
        QCOMPARE(states.size(), 2);
        QCOMPARE(port->openAttempts, 3);
        QCOMPARE(port->openedPaths, QStringList{kA});
    }

    // A cable pulled under an open port shows "Device Lost" on the next tick,
    // even when discovery still lists the same node, and is reopened after.
    void lostLinkIsReportedOnTheNextTick()
    {
        DeviceMonitor monitor(link, finder);
        QSignalSpy states(&monitor, &DeviceMonitor::deviceStateReported);
        present(kA);
        monitor.tick();
        QCOMPARE(reported(states), QStringLiteral("Connected"));
        port->pullCable();
        monitor.tick();
        QCOMPARE(reported(states), QStringLiteral("Lost"));
        QVERIFY(link->portPath().isEmpty());
        monitor.tick();
        QCOMPARE(reported(states), QStringLiteral("Connected"));
    }

    // A tick that runs discovery twice with two devices present shows one
    // message, and later ticks none while it is open.
    void duplicatesOnATickRaiseOneMessage()
    {
        DeviceMonitor monitor(link, finder);
        QSignalSpy reports(finder, &PortFinder::duplicateDeviceReport);
        lister.addBridge(kA);
        lister.addBridge(kB);
        monitor.tick();
        monitor.tick();
        QCOMPARE(reports.count(), 1);
        QCOMPARE(link->portPath(), kB);
    }

    // Flag 1 drives CBUS pin 3 high; any other flag drives it low.
    void bridgeMaskFollowsFlag()
    {
        QCOMPARE(bridgeLineMask(1), 0x88);
        QCOMPARE(bridgeLineMask(0), 0x80);
        QCOMPARE(bridgeLineMask(2), 0x80);
        QCOMPARE(kBridgeBitMode, 0x20);
    }
};

QTEST_GUILESS_MAIN(TestDeviceMonitor)
#include "test_device_monitor.moc"
