// The read and write transactions and the connection check against every
// kind of port: the in-memory port answered by the controller model, and the
// real serial port with the emulator on a pseudo-terminal. One fault table
// (link_faults.h), the same expectations for both.

#include "emulator_deadline.h"
#include "fake_serial_port.h"
#include "fakes.h"
#include "link_faults.h"
#include "model_responder.h"
#include "recording_port.h"
#include "sim_process.h"

#include "link/device_monitor.h"
#include "port/controller_link.h"
#include "port/qt_serial_port.h"
#include "protocol/connection_check.h"
#include "protocol/reply_window.h"
#include "protocol/transaction_engine.h"

#include <QSignalSpy>
#include <QtTest>

using namespace vexlor;
using namespace link_faults;
using sim::FaultKind;
using sim::FaultPlan;

Q_DECLARE_METATYPE(vexlor::TransactionOutcome)
Q_DECLARE_METATYPE(vexlor::ConnectionCheckResult)
Q_DECLARE_METATYPE(vexlor::DeviceState)

namespace {

enum class Backend { InMemory, Emulator };

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// What the controller holds before any write: a version of 2-7 and values
// that differ from the window's in a few places.
constexpr quint8 kMajor = 2;
constexpr quint8 kMinor = 7;
std::array<quint16, kProtocolItemCount> heldValues()
{
    auto held = initialValues();
    held[0] = quint16(kMajor << 8 | kMinor);
    held[1] = 300;
    held[20] = 5;
    held[48] = 123;
    return held;
}

// A controller holding heldValues() with a planned fault, behind one kind of
// port, and the link and reply window on it: in memory the tool's 100 ms
// timer closes the window, over the emulator the emulator does.
struct Rig {
    Backend backend = Backend::InMemory;
    std::shared_ptr<sim::ControllerModel> model; // in memory
    SimProcess sim;                              // emulator
    QList<QByteArray> *writes = nullptr;
    std::unique_ptr<ControllerLink> link;
    ReplyTimer timer;
    std::unique_ptr<EmulatorReplyDeadline> told;
    std::unique_ptr<ReplyWindow> window;

    [[nodiscard]] bool start(Backend kind, const FaultPlan &plan)
    {
        backend = kind;
        QString path = QStringLiteral("/dev/ttyUSB0");
        SerialPort *port = nullptr;
        if (kind == Backend::InMemory) {
            model = std::make_shared<sim::ControllerModel>(heldValues(), kMajor, kMinor, plan);
            auto *fake = new FakeSerialPort;
            fake->responder = modelResponder(model);
            writes = &fake->writes;
            port = fake;
        } else {
            auto *recording = new RecordingPort(new QtSerialPort);
            writes = &recording->writes;
            port = recording;
            told = std::make_unique<EmulatorReplyDeadline>(sim, *recording);
            path = sim.start(QStringList{"--version", "2-7", "--set", "1=300", "--set", "20=5",
                                         "--set", "48=123"}
                             + emulatorFaultArguments(plan));
        }
        link = std::make_unique<ControllerLink>(port);
        // Asked of every port: a pseudo-terminal's driver refuses, and the
        // exchanges must go on as before.
        link->setLowLatencyRule([](const QString &) { return true; });
        ReplyDeadline *deadline = &timer;
        if (told)
            deadline = told.get();
        window = std::make_unique<ReplyWindow>(link.get(), deadline);
        link->setPortPath(path);
        return !path.isEmpty() && link->openPort(path);
    }

    // Store commands the controller acted on, and the values it holds now.
    [[nodiscard]] int stores()
    {
        if (backend == Backend::InMemory)
            return model->storeCount();
        return int(sim.lines().count(QStringLiteral("store")));
    }
    [[nodiscard]] std::array<quint16, kProtocolItemCount> held()
    {
        if (backend == Backend::InMemory)
            return model->values();
        auto values = heldValues();
        for (const QString &line : sim.lines()) {
            const QStringList parts = line.split(u' ');
            if (parts.size() == 3 && parts[0] == QLatin1String("write"))
                values[parts[1].toInt()] = quint16(parts[2].toUInt());
        }
        return values;
    }
    [[nodiscard]] int sendsOf(int index) const
    {
        int n = 0;
        for (const QByteArray &w : *writes)
            n += w.size() == kParameterFrameSize && quint8(w[3]) == index;
        return n;
    }
};

void addBackendRows(const std::function<void(const QString &, Backend)> &add)
{
    add(QStringLiteral("in memory"), Backend::InMemory);
    add(QStringLiteral("emulator"), Backend::Emulator);
}

} // namespace

Q_DECLARE_METATYPE(Backend)

class TestTransactionEngine : public QObject {
    Q_OBJECT

private slots:
    // Every fault row on every port: the outcome and its message, the frames
    // sent byte for byte (resends included, in index order), the store only
    // after sixty accepted frames, the values a read decodes, what the
    // controller holds after a write, and a pulled cable seen by the link.
    void faultsOnEveryPort_data()
    {
        QTest::addColumn<Backend>("backend");
        QTest::addColumn<int>("row");
        addBackendRows([](const QString &port, Backend backend) {
            const auto faults = linkFaults();
            for (int i = 0; i < int(faults.size()); ++i)
                QTest::addRow("%s: %s", qPrintable(port), faults[i].name) << backend << i;
        });
    }
    void faultsOnEveryPort()
    {
        QFETCH(Backend, backend);
        QFETCH(int, row);
        const LinkFault &f = linkFaults()[row];
        Rig rig;
        QVERIFY(rig.start(backend, f.plan));
        TransactionEngine engine(rig.window.get());
        QSignalSpy done(&engine, &TransactionEngine::finished);
        QSignalSpy steps(&engine, &TransactionEngine::progress);
        QSignalSpy values(&engine, &TransactionEngine::valueAccepted);
        const auto sent = initialValues();
        QVERIFY(engine.start(f.mode, sent));
        QVERIFY(done.wait(kHangMs));
        QCOMPARE(done.size(), 1);
        QVERIFY(!engine.isRunning());

        const auto outcome = done.at(0).at(0).value<TransactionOutcome>();
        QCOMPARE(outcome.passed, f.passed);
        QCOMPARE(outcome.message.text, *f.message);
        QCOMPARE(outcome.message.caption, f.caption());
        QCOMPARE(outcome.message.icon, f.passed ? MessageIcon::Information : MessageIcon::Error);
        QCOMPARE(outcome.acceptedFrames, f.accepted);
        QCOMPARE(outcome.stored, f.passed && f.write());
        QCOMPARE(outcome.openInstallationGuide, *f.message == kNotice);

        // What went out.
        const QList<QByteArray> &writes = *rig.writes;
        const FrameCommand command = f.write() ? FrameCommand::Write : FrameCommand::Read;
        int lastIndex = 0;
        for (const QByteArray &w : writes) {
            if (w == storeCommand())
                continue;
            const int index = quint8(w.at(3));
            QCOMPARE(w, buildParameterFrame(command, index, sent[index]));
            QVERIFY(index >= lastIndex);
            lastIndex = index;
        }
        QCOMPARE(rig.sendsOf(f.plan.atFrame), f.sendsOfFaultyFrame);
        QCOMPARE(writes.contains(storeCommand()), f.storeSent());
        if (f.storeSent())
            QCOMPARE(writes.last(), hex("50570D0A"));

        // Progress never moves back and ends at the frames accepted.
        QList<int> progress;
        for (const auto &args : steps)
            progress << args.at(0).toInt();
        QVERIFY(std::is_sorted(progress.cbegin(), progress.cend()));
        QCOMPARE(progress.value(progress.size() - 1, 0), f.accepted);

        // A read decodes exactly the frames it accepted, with the held values.
        QCOMPARE(values.size(), f.write() ? 0 : f.accepted);
        const auto held = heldValues();
        for (int i = 0; i < values.size(); ++i) {
            QCOMPARE(values[i].at(0).toInt(), i);
            QCOMPARE(values[i].at(1).value<quint16>(), held[i]);
        }
        // A write that passed left the controller holding what was sent, stored once.
        const bool stored = f.passed && f.write();
        QCOMPARE(rig.stores(), stored ? 1 : 0);
        if (stored) {
            const auto now = rig.held();
            for (int i = 1; i < kProtocolItemCount; ++i)
                QCOMPARE(now[i], sent[i]);
        }
        if (f.plan.kind == FaultKind::CablePulled)
            QVERIFY(!rig.link->isOpen());
    }

    // The worked frames go out as they are, on every port.
    void cleanRunsSendTheWorkedFrames_data()
    {
        QTest::addColumn<Backend>("backend");
        addBackendRows([](const QString &port, Backend backend) {
            QTest::addRow("%s", qPrintable(port)) << backend;
        });
    }
    void cleanRunsSendTheWorkedFrames()
    {
        QFETCH(Backend, backend);
        for (const TransactionMode mode : {TransactionMode::Read, TransactionMode::Write}) {
            Rig rig;
            QVERIFY(rig.start(backend, {}));
            TransactionEngine engine(rig.window.get());
            QSignalSpy done(&engine, &TransactionEngine::finished);
            QSignalSpy steps(&engine, &TransactionEngine::progress);
            QVERIFY(engine.start(mode, initialValues()));
            QVERIFY(done.wait(kHangMs));
            const QList<QByteArray> &w = *rig.writes;
            if (mode == TransactionMode::Read) {
                QCOMPARE(w.size(), 60);
                QCOMPARE(w[0], hex("50520F0001000C0D0A"));
                QCOMPARE(w[1], hex("50520F0101262B0D0A"));
            } else {
                QCOMPARE(w.size(), 61);
                QCOMPARE(w[0], hex("50530F0001000D0D0A"));
                QCOMPARE(w[1], hex("50530F0101262A0D0A"));
                QCOMPARE(w[17], hex("50530F1140B0ED0D0A"));
                QCOMPARE(w[34], hex("50530F2200002E0D0A"));
            }
            QCOMPARE(steps.size(), 60); // one step per accepted frame, 1 to 60
            QCOMPARE(steps.last().at(0).toInt(), 60);
        }
    }

    // The connection check on every port: only the status byte decides, the
    // version comes from what was captured.
    void connectionCheckOnEveryPort_data()
    {
        QTest::addColumn<Backend>("backend");
        QTest::addColumn<FaultKind>("fault");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("version");
        addBackendRows([](const QString &port, Backend backend) {
            const auto row = [&](const char *name, FaultKind fault, bool ok, const char *version) {
                QTest::addRow("%s: %s", qPrintable(port), name) << backend << fault << ok << version;
            };
            row("clean", FaultKind::None, true, "2-7");
            row("bad check still OK", FaultKind::BadCheck, true, "2-7");
            row("short reply", FaultKind::ShortReply, true, "2-7");
            row("bad status", FaultKind::BadStatus, false, "2-7");
            row("no reply", FaultKind::NoReply, false, "0-0");
            row("late reply", FaultKind::LateReply, false, "0-0");
            row("cable pulled", FaultKind::CablePulled, false, "0-0");
        });
    }
    void connectionCheckOnEveryPort()
    {
        QFETCH(Backend, backend);
        QFETCH(FaultKind, fault);
        QFETCH(bool, ok);
        QFETCH(QString, version);
        Rig rig;
        QVERIFY(rig.start(backend, {fault, 0, false}));
        ConnectionCheck check(rig.window.get());
        QSignalSpy done(&check, &ConnectionCheck::finished);
        QVERIFY(check.start());
        QVERIFY(!check.start()); // one at a time
        QVERIFY(done.wait(kHangMs));
        QCOMPARE(*rig.writes, QList<QByteArray>{hex("50520F0001000C0D0A")});
        const auto result = done.at(0).at(0).value<ConnectionCheckResult>();
        QCOMPARE(result.ok, ok);
        QCOMPARE(result.versionText, version);
        QCOMPARE(result.message.caption, QStringLiteral("Controller connection test result"));
        QCOMPARE(result.message.icon, ok ? MessageIcon::Question : MessageIcon::Error);
        QCOMPARE(result.message.text,
                 ok ? QStringLiteral("Connection to controller is OK!\nController software version: v")
                         + version
                         + QStringLiteral("\n\nWould you like to read the controller's configuration now?")
                    : QStringLiteral("Connection to controller is not detected!"));
        QVERIFY(!check.isRunning());
    }

    // The check's judging of replies no controller model gives: only the
    // status byte decides; the version is whatever was captured.
    void checkJudgesWhatWasCaptured_data()
    {
        QTest::addColumn<QByteArray>("hexText");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("low");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("version");
        QTest::newRow("two bytes") << QByteArray("5901") << 1 << 0 << true << "1-0";
        QTest::newRow("lower-case status") << QByteArray("59ab") << 171 << 0 << true << "171-0";
        QTest::newRow("one byte") << QByteArray("59") << 0 << 0 << true << "0-0";
        QTest::newRow("half a byte") << QByteArray("5") << 0 << 0 << false << "0-0";
        QTest::newRow("store status") << QByteArray("58012322") << 1 << 35 << false << "1-35";
    }
    void checkJudgesWhatWasCaptured()
    {
        QFETCH(QByteArray, hexText);
        QFETCH(int, high);
        QFETCH(int, low);
        QFETCH(bool, ok);
        QFETCH(QString, version);
        const ConnectionCheckResult result =
            judgeConnectionCheck({QByteArray::fromHex(hexText), {quint8(high), quint8(low), 0x22}, false});
        QCOMPARE(result.ok, ok);
        QCOMPARE(result.versionText, version);
    }

    // A cable pulled mid-read on every port: the link closes, the monitor's
    // next tick shows "Device Lost", and a tick after that changes nothing.
    void pulledCableShowsOnTheNextTick_data()
    {
        QTest::addColumn<Backend>("backend");
        addBackendRows([](const QString &port, Backend backend) {
            QTest::addRow("%s", qPrintable(port)) << backend;
        });
    }
    void pulledCableShowsOnTheNextTick()
    {
        QFETCH(Backend, backend);
        Rig rig;
        QVERIFY(rig.start(backend, {FaultKind::CablePulled, 12, false}));
        FakePortLister lister; // the device is gone from the system's list
        PortFinder finder(lister, QString());
        DeviceMonitor monitor(rig.link.get(), &finder);
        QSignalSpy states(&monitor, &DeviceMonitor::deviceStateReported);
        TransactionEngine engine(rig.window.get());
        QSignalSpy done(&engine, &TransactionEngine::finished);
        QVERIFY(engine.start(TransactionMode::Read, initialValues()));
        QVERIFY(done.wait(kHangMs));
        QCOMPARE(done.at(0).at(0).value<TransactionOutcome>().acceptedFrames, 12);
        QVERIFY(!rig.link->isOpen());
        monitor.tick();
        QCOMPARE(states.size(), 1);
        QCOMPARE(states.at(0).at(0).value<DeviceState>(), DeviceState::Lost);
        monitor.tick();
        QCOMPARE(states.size(), 1);
    }

    // In memory only, replies no controller model gives: a reply cut short
    // after the value bytes keeps the previous reply's check byte; when that
    // byte happens to match, the value must still not be taken.
    void shortReplyWithMatchingStaleCheckIsResent()
    {
        Rig rig;
        QVERIFY(rig.start(Backend::InMemory, {}));
        auto *port = static_cast<FakeSerialPort *>(rig.link->findChild<SerialPort *>());
        int shortSent = 0;
        port->responder = [&](const QByteArray &frame) -> std::optional<FakeSerialPort::Answer> {
            const int index = quint8(frame[3]);
            if (index == 1)
                return FakeSerialPort::Answer{hex("59012627")}; // check 0x27
            if (index == 2 && shortSent++ == 0)
                return FakeSerialPort::Answer{hex("590027")}; // 0x00 ^ 0x27 == stale 0x27
            if (index == 2)
                return FakeSerialPort::Answer{hex("59289BB3")}; // 10395
            return FakeSerialPort::Answer{hex("59000000")};
        };
        TransactionEngine engine(rig.window.get());
        QSignalSpy done(&engine, &TransactionEngine::finished);
        QSignalSpy values(&engine, &TransactionEngine::valueAccepted);
        QSignalSpy steps(&engine, &TransactionEngine::progress);
        QVERIFY(engine.start(TransactionMode::Read, initialValues()));
        QVERIFY(done.wait(kHangMs));
        QVERIFY(done.at(0).at(0).value<TransactionOutcome>().passed);
        QCOMPARE(rig.sendsOf(2), 2);
        QCOMPARE(values[2].at(1).value<quint16>(), quint16(10395));
        QCOMPARE(values.size(), 60);
        QList<int> progress;
        for (int i = 0; i < 4; ++i)
            progress << steps[i].at(0).toInt();
        QCOMPARE(progress, (QList<int>{1, 2, 2, 3})); // no move during the resend
    }

    // In memory only: a port that is not open is not answered (the first
    // frame fails), a cable pulled while a reply is awaited ends the write at
    // once, and a second start while one runs is refused.
    void unansweredAndRefusedStarts()
    {
        Rig closed;
        QVERIFY(closed.start(Backend::InMemory, {}));
        closed.link->closePort();
        TransactionEngine engine(closed.window.get());
        QSignalSpy done(&engine, &TransactionEngine::finished);
        QVERIFY(engine.start(TransactionMode::Read, initialValues()));
        QVERIFY(!engine.start(TransactionMode::Write, initialValues()));
        QVERIFY(done.wait(kHangMs));
        QCOMPARE(done.size(), 1);
        QCOMPARE(done.at(0).at(0).value<TransactionOutcome>().message.text, kFailed);
        QVERIFY(closed.writes->isEmpty());

        Rig pulled;
        QVERIFY(pulled.start(Backend::InMemory, {}));
        auto *port = static_cast<FakeSerialPort *>(pulled.link->findChild<SerialPort *>());
        const auto answer = port->responder;
        port->responder = [&](const QByteArray &frame) -> std::optional<FakeSerialPort::Answer> {
            if (port->writes.size() < 25)
                return answer(frame);
            QTimer::singleShot(10, port, [port] { port->pullCable(); });
            return std::nullopt;
        };
        TransactionEngine writer(pulled.window.get());
        QSignalSpy written(&writer, &TransactionEngine::finished);
        QVERIFY(writer.start(TransactionMode::Write, initialValues()));
        QVERIFY(written.wait(kHangMs));
        const auto outcome = written.at(0).at(0).value<TransactionOutcome>();
        QCOMPARE(outcome.message.text, kInterrupted);
        QCOMPARE(outcome.acceptedFrames, 24);
        QVERIFY(!port->writes.contains(storeCommand()));
    }

    // The controller model (in memory and in the emulator) frames by length:
    // garbage before a frame, a frame split anywhere, and a check byte equal
    // to CR are all handled.
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

QTEST_GUILESS_MAIN(TestTransactionEngine)
#include "test_transaction_engine.moc"
