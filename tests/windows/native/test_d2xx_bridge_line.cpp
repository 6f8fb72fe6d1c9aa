// The bridge line on Windows: the driver library loaded at run time (a
// stand-in of the same name, beside this test, records every call), only the
// device behind the port in use touched, no line without the library.

#include "fakes.h"

#include "cables/cable.h"
#include "cables/d2xx_bridge_line.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vexlor;

namespace {

// The cable's port as Windows lists it: FTDI's vendor, the USB device's name.
SerialPortEntry cablePort(const QString &port, const QString &serialNumber)
{
    SerialPortEntry entry{port, true, cableTypes().front().usbVendorId, {}, {}};
    entry.usb.serialNumber = serialNumber;
    return entry;
}

} // namespace

class TestD2xxBridgeLine : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_log = m_dir.filePath(QStringLiteral("calls-%1.txt").arg(++m_run));
        qputenv("VEXLOR_D2XX_LOG", QDir::toNativeSeparators(m_log).toLocal8Bit());
        qputenv("VEXLOR_D2XX_DEVICES", "VX0@3;VX1@9");
        qunsetenv("VEXLOR_D2XX_CLOSE_STATUS");
    }

    // The flag drives CBUS pin 3 high (mask 0x88) or low (0x80, for any
    // other flag) in bit-bang mode, on the port's own device only, opened for
    // the call; the close's status is the line's.
    void drivesTheLineOfThePortsDevice_data()
    {
        QTest::addColumn<int>("flag");
        QTest::addColumn<QString>("mask");
        QTest::newRow("high") << 1 << "0x88";
        QTest::newRow("low") << 0 << "0x80";
        QTest::newRow("anything else is low") << 2 << "0x80";
    }
    void drivesTheLineOfThePortsDevice()
    {
        QFETCH(int, flag);
        QFETCH(QString, mask);
        // Windows names an FT232R's port device after its serial number with
        // the interface letter: "VX1A" is the device VX1.
        const std::unique_ptr<BridgeLine> line = makeD2xxBridgeLine(cablePort("COM9", "VX1A"));
        QVERIFY(line);
        QCOMPARE(line->setBridgeLine(flag), 0);
        QCOMPARE(calls(), (QStringList{"FT_CreateDeviceInfoList", "FT_OpenEx VX1 1", "FT_GetComPortNumber",
                                       "FT_SetLatencyTimer 16", "FT_SetBitMode " + mask + " 0x20",
                                       "FT_Close"}));
    }

    // Anything that leaves doubt about which device is the port's: nothing is
    // driven, and the line reports failure (which its callers ignore).
    void leavesOtherDevicesAlone_data()
    {
        QTest::addColumn<QByteArray>("devices");
        QTest::addColumn<QString>("portSerial");
        QTest::addColumn<QStringList>("expected");
        const QStringList listed{"FT_CreateDeviceInfoList"};
        QTest::newRow("no device of that name") << QByteArray("VX0@3") << "VX1A" << listed;
        QTest::newRow("two devices fit the name") << QByteArray("VX1@9;VX1A@9") << "VX1A" << listed;
        QTest::newRow("held by another program") << QByteArray("VX1@9!") << "VX1A" << listed;
        QTest::newRow("the device drives another port")
            << QByteArray("VX1@4") << "VX1A"
            << (listed + QStringList{"FT_OpenEx VX1 1", "FT_GetComPortNumber", "FT_Close"});
    }
    void leavesOtherDevicesAlone()
    {
        QFETCH(QByteArray, devices);
        QFETCH(QString, portSerial);
        QFETCH(QStringList, expected);
        qputenv("VEXLOR_D2XX_DEVICES", devices);
        const std::unique_ptr<BridgeLine> line = makeD2xxBridgeLine(cablePort("COM9", portSerial));
        QVERIFY(line);
        QVERIFY(line->setBridgeLine(1) < 0);
        QCOMPARE(calls(), expected);
    }

    void aFailedCloseIsTheLinesFailure()
    {
        qputenv("VEXLOR_D2XX_CLOSE_STATUS", "4");
        const std::unique_ptr<BridgeLine> line = makeD2xxBridgeLine(cablePort("COM9", "VX1"));
        QVERIFY(line);
        QCOMPARE(line->setBridgeLine(1), -4);
    }

    // No line, so no pauses: without the library, for a port whose device
    // has no name, and for a port of no known cable (through the provider
    // start-up and shutdown use, over the real library loading).
    void noLineWhereNoneCanBeDriven()
    {
        QVERIFY(!makeD2xxBridgeLine(cablePort("COM9", "VX1A"), QStringLiteral("absent-ftd2xx.dll")));
        QVERIFY(!makeD2xxBridgeLine(cablePort("COM9", QString())));
        QVERIFY(!makeD2xxBridgeLine(cablePort("/dev/ttyUSB0", "VX1A")));

        FakePortLister lister;
        lister.entries = {cablePort("COM9", "VX1A"), {QStringLiteral("COM1"), false, 0, {}, {}}};
        CableBridgeLines lines(lister);
        QVERIFY(!lines.bridgeLineFor(QStringLiteral("COM1")));
        QVERIFY(!lines.bridgeLineFor(QStringLiteral("COM7")));
        BridgeLine *line = lines.bridgeLineFor(QStringLiteral("COM9"));
        QVERIFY(line);
        QCOMPARE(line->setBridgeLine(0), 0);
        QVERIFY(calls().contains("FT_SetBitMode 0x80 0x20"));
        QVERIFY(calls().filter("FT_OpenEx").size() == 1);
    }

private:
    QStringList calls() const
    {
        QFile file(m_log);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLatin1(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    QTemporaryDir m_dir;
    QString m_log;
    int m_run = 0;
};

QTEST_GUILESS_MAIN(TestD2xxBridgeLine)
#include "test_d2xx_bridge_line.moc"
