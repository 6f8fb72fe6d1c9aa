// The connection doctor on Windows: the cable looked for in the port list,
// the checks of Linux's devices and services skipped, and the controller
// check left to run wherever there is a port to run it through.

#include "doctor/host_system.h"
#include "doctor/system_checks.h"

#include "fakes.h"

#include <QtTest>

#include <functional>

using namespace vexlor;

class TestWindowsDoctor : public QObject {
    Q_OBJECT
private slots:
    void cableFromThePortList_data();
    void cableFromThePortList();
};

using Setup = std::function<void(FakePortLister &)>;
Q_DECLARE_METATYPE(Setup)
Q_DECLARE_METATYPE(CheckStatus)

void TestWindowsDoctor::cableFromThePortList_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("portOverride");
    QTest::addColumn<CheckStatus>("status");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<bool>("controllerRuns");

    const auto withCable = [](FakePortLister &l) {
        l.addBridge(QStringLiteral("COM5"));
        l.entries.last().description = QStringLiteral("USB Serial Port");
        l.entries.last().usb.serialNumber = QStringLiteral("A50285BI");
    };
    QTest::newRow("one cable") << Setup(withCable) << QString() << CheckStatus::Ok
                               << QStringLiteral("COM5: USB 0403 (USB Serial Port), serial number A50285BI.") << true;
    QTest::newRow("none, others listed")
        << Setup([](FakePortLister &l) { l.addOther(QStringLiteral("COM3"), true, 0x2341); }) << QString()
        << CheckStatus::Fail << QStringLiteral("USB serial ports present: COM3 (2341).") << false;
    QTest::newRow("two cables") << Setup([](FakePortLister &l) {
        l.addBridge(QStringLiteral("COM5"));
        l.addBridge(QStringLiteral("COM7"));
    }) << QString() << CheckStatus::Warn << QStringLiteral("2 cables are plugged in: COM5, COM7.") << true;
    QTest::newRow("named cable") << Setup(withCable) << QStringLiteral("COM5") << CheckStatus::Ok
                                 << QStringLiteral("serial number A50285BI") << true;
    QTest::newRow("named other adapter")
        << Setup([](FakePortLister &l) { l.addOther(QStringLiteral("COM3"), true, 0x10c4); })
        << QStringLiteral("COM3") << CheckStatus::Warn << QStringLiteral("COM3 is a USB serial port of 10c4")
        << true;
    QTest::newRow("named missing") << Setup(withCable) << QStringLiteral("COM9") << CheckStatus::Fail
                                   << QStringLiteral("No serial device at COM9.") << false;
}

void TestWindowsDoctor::cableFromThePortList()
{
    QFETCH(Setup, setup);
    QFETCH(QString, portOverride);
    QFETCH(CheckStatus, status);
    QFETCH(QString, detail);
    QFETCH(bool, controllerRuns);
    FakePortLister lister;
    setup(lister);
    const HostSystem system;
    const SystemFindings findings = runSystemChecks(system, lister, portOverride);

    const QStringList order{QStringLiteral("cable"),  QStringLiteral("driver"),       QStringLiteral("access"),
                            QStringLiteral("busy"),   QStringLiteral("modemmanager"), QStringLiteral("brltty"),
                            QStringLiteral("latency"), QStringLiteral("sandbox")};
    QCOMPARE(findings.results.size(), order.size());
    for (qsizetype i = 0; i < order.size(); ++i)
        QCOMPARE(findings.results[i].check, order[i]);
    const CheckResult &cable = findings.results.first();
    QCOMPARE(cable.status, status);
    QVERIFY2(cable.detail.contains(detail), qPrintable(cable.detail));
    QCOMPARE(cable.fix.isEmpty(), cable.status == CheckStatus::Ok);
    for (qsizetype i = 1; i < order.size(); ++i) {
        QCOMPARE(findings.results[i].status, CheckStatus::Skip);
        QCOMPARE(findings.results[i].detail, QStringLiteral("Not checked on Windows."));
    }
    QCOMPARE(!findings.controllerSkip.has_value(), controllerRuns);
}

QTEST_GUILESS_MAIN(TestWindowsDoctor)
#include "test_windows_doctor.moc"
