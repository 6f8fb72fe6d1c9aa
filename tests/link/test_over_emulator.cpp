#include "model_responder.h"
#include "sim_process.h"

#include "protocol/connection_check.h"
#include "link/device_monitor.h"
#include "link/qt_serial_port.h"
#include "protocol/transaction_engine.h"

#include <QSignalSpy>
#include <QtTest>

using namespace vexlor;

Q_DECLARE_METATYPE(vexlor::TransactionOutcome)
Q_DECLARE_METATYPE(vexlor::ConnectionCheckResult)
Q_DECLARE_METATYPE(vexlor::TransactionMode)
Q_DECLARE_METATYPE(vexlor::DeviceState)

namespace {

const QString kFailed = QStringLiteral("Communication with controller failed!");
const QString kInterrupted = QStringLiteral("Communication with controller interrupted!");
const QString kReadOk = QStringLiteral("Configuration of the controller was read successfully.");
const QString kWriteOk = QStringLiteral("Configuration of the controller was written successfully.");

} // namespace

// The real serial port class against the emulator on a pseudo-terminal.
class TestOverEmulator : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<ControllerLink> link;
    ReplyTimer timer;
    std::unique_ptr<ReplyWindow> window;

    bool connectTo(const QStringList &arguments)
    {
        sim = std::make_unique<SimProcess>();
        const QString path = sim->start(arguments);
        if (path.isEmpty())
            return false;
        link = std::make_unique<ControllerLink>(new QtSerialPort);
        window = std::make_unique<ReplyWindow>(link.get(), &timer);
        link->setPortPath(path);
        return link->openPort(path);
    }

    TransactionOutcome run(TransactionMode mode, QList<QPair<int, quint16>> *values = nullptr)
    {
        TransactionEngine engine(window.get());
        QSignalSpy done(&engine, &TransactionEngine::finished);
        QSignalSpy accepted(&engine, &TransactionEngine::valueAccepted);
        if (!engine.start(mode, initialValues()) || !done.wait(15000))
            return {};
        if (values)
            for (const auto &args : accepted)
                values->append({args.at(0).toInt(), args.at(1).value<quint16>()});
        return done.at(0).at(0).value<TransactionOutcome>();
    }

private slots:
    void cleanup()
    {
        window.reset();
        link.reset();
        sim.reset();
    }

    // A read decodes what the controller holds, the version item included.
    void readDeliversHeldValues()
    {
        QVERIFY(connectTo({"--set", "1=300", "--set", "20=5", "--set", "48=123", "--version", "2-7"}));
        QList<QPair<int, quint16>> values;
        const TransactionOutcome outcome = run(TransactionMode::Read, &values);
        QVERIFY(outcome.passed);
        QCOMPARE(outcome.message.text, kReadOk);
        QCOMPARE(values.size(), 60);
        auto expected = initialValues();
        expected[0] = 0x0207;
        expected[1] = 300;
        expected[20] = 5;
        expected[48] = 123;
        for (int i = 0; i < 60; ++i)
            QCOMPARE(values[i], (QPair<int, quint16>{i, expected[i]}));
        QVERIFY(!sim->lines().contains(QStringLiteral("store")));
    }

    // A write reaches the controller value by value (the emulator only
    // answers frames that are exact), then the store command.
    void writeStoresEveryValue()
    {
        QVERIFY(connectTo({}));
        const TransactionOutcome outcome = run(TransactionMode::Write);
        QVERIFY(outcome.passed);
        QCOMPARE(outcome.message.text, kWriteOk);
        QStringList expected;
        const auto sent = initialValues();
        for (int i = 1; i < 60; ++i)
            expected << QStringLiteral("write %1 %2").arg(i).arg(sent[i]);
        expected << QStringLiteral("store");
        QTRY_COMPARE(sim->lines(), expected);
    }

    // Every emulator fault, through the real port, ends with its message and
    // never with a store after a failure.
    void faultsThroughRealPort_data()
    {
        QTest::addColumn<TransactionMode>("mode");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("passed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("accepted");

        const auto R = TransactionMode::Read;
        const auto W = TransactionMode::Write;
        const QString notice = QStringLiteral(
            "This error may be caused by controller MCU flash write protection. Please re-program "
            ".hex file to the controller with the write option bytes. Read Page 7 of "
            "ST-LINK_Installation_EN.pdf");
        QTest::newRow("no reply") << R << QStringList{"--fault", "no-reply", "--at-frame", "0"} << false << kFailed << 0;
        QTest::newRow("bad check once") << W << QStringList{"--fault", "bad-check", "--at-frame", "9"} << true << kWriteOk << 60;
        QTest::newRow("bad check always") << W << QStringList{"--fault", "bad-check", "--at-frame", "9", "--always"} << false << kInterrupted << 9;
        QTest::newRow("bad status") << R << QStringList{"--fault", "bad-status", "--at-frame", "33"} << false << kInterrupted << 33;
        QTest::newRow("short reply") << R << QStringList{"--fault", "short-reply", "--at-frame", "3"} << true << kReadOk << 60;
        QTest::newRow("short reply always") << R << QStringList{"--fault", "short-reply", "--at-frame", "3", "--always"} << false << kInterrupted << 3;
        QTest::newRow("extra bytes") << W << QStringList{"--fault", "extra-bytes", "--at-frame", "50", "--always"} << true << kWriteOk << 60;
        QTest::newRow("late reply") << W << QStringList{"--fault", "late-reply", "--at-frame", "59"} << false << kInterrupted << 59;
        QTest::newRow("no store reply") << W << QStringList{"--fault", "no-store-reply"} << false << notice << 60;
        QTest::newRow("cable pulled") << W << QStringList{"--fault", "cable-pulled", "--at-frame", "30"} << false << kInterrupted << 30;
    }
    void faultsThroughRealPort()
    {
        QFETCH(TransactionMode, mode);
        QFETCH(QStringList, arguments);
        QFETCH(bool, passed);
        QFETCH(QString, message);
        QFETCH(int, accepted);

        QVERIFY(connectTo(arguments));
        const TransactionOutcome outcome = run(mode);
        QCOMPARE(outcome.passed, passed);
        QCOMPARE(outcome.message.text, message);
        QCOMPARE(outcome.acceptedFrames, accepted);
        if (accepted < 60)
            QVERIFY(!sim->lines().contains(QStringLiteral("store")));
    }

    // A pulled cable is seen by the real port: the link closes, and the
    // monitor's next tick shows "Device Lost" as the device is gone.
    void pulledCableClosesLinkAndMonitorShowsLost()
    {
        QVERIFY(connectTo({"--fault", "cable-pulled", "--at-frame", "12"}));
        SystemPortLister lister;
        PortFinder finder(lister, link->portPath());
        DeviceMonitor monitor(link.get(), &finder);
        QSignalSpy states(&monitor, &DeviceMonitor::deviceStateReported);

        const TransactionOutcome outcome = run(TransactionMode::Read);
        QCOMPARE(outcome.message.text, kInterrupted);
        QCOMPARE(outcome.acceptedFrames, 12);
        QTRY_VERIFY(!link->isOpen());
        monitor.tick();
        QCOMPARE(states.size(), 1);
        QCOMPARE(states.at(0).at(0).value<DeviceState>(), DeviceState::Lost);
        monitor.tick();
        QCOMPARE(states.size(), 1); // 0 -> 0: nothing
    }

    // The connection test reports the emulator's version, also from a short
    // reply that starts with 0x59.
    void connectionTest_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("version");
        QTest::newRow("full reply") << QStringList{"--version", "1-35"} << true << "1-35";
        QTest::newRow("short reply") << QStringList{"--version", "3-4", "--fault", "short-reply"} << true << "3-4";
        QTest::newRow("bad status") << QStringList{"--fault", "bad-status"} << false << "1-35";
        QTest::newRow("no reply") << QStringList{"--fault", "no-reply"} << false << "0-0";
    }
    void connectionTest()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, ok);
        QFETCH(QString, version);
        QVERIFY(connectTo(arguments));
        ConnectionCheck check(window.get());
        QSignalSpy done(&check, &ConnectionCheck::finished);
        QVERIFY(check.start());
        QVERIFY(done.wait(2000));
        const auto result = done.at(0).at(0).value<ConnectionCheckResult>();
        QCOMPARE(result.ok, ok);
        QCOMPARE(result.versionText, version);
    }

    // The emulator frames by length: garbage before a frame, a frame split
    // anywhere, and a check byte equal to CR are all handled.
    void modelFramesByLength()
    {
        sim::ControllerModel model(initialValues(), 1, 35);
        const QByteArray write0 = buildParameterFrame(FrameCommand::Write, 0, 256);
        QCOMPARE(write0.right(3), QByteArray("\r\r\n"));
        QByteArray stream = QByteArray("\r\nxPS") + write0 + buildParameterFrame(FrameCommand::Write, 5, 99)
            + storeCommand();
        QList<sim::ModelAction> actions;
        for (const char c : stream)
            actions += model.feed(QByteArrayView(&c, 1));
        QCOMPARE(actions.size(), 3);
        QCOMPARE(actions[0].bytes, QByteArray::fromHex("59012322"));
        QCOMPARE(actions[1].bytes, sim::ControllerModel::valueReply(99));
        QCOMPARE(actions[2].bytes.left(1), QByteArray("\x58"));
        QCOMPARE(model.values()[5], quint16(99));
        QCOMPARE(model.storeCount(), 1);
        QCOMPARE(model.droppedBytes(), 5);

        // A frame with a wrong check byte is not a frame.
        QByteArray broken = buildParameterFrame(FrameCommand::Read, 1, 0);
        broken[6] = char(broken[6] ^ 1);
        QVERIFY(model.feed(broken).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestOverEmulator)
#include "test_over_emulator.moc"
