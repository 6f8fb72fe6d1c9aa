// The guarded write (backup before, verify after) and the comparison with
// the controller, through the controller session on every kind of port: the
// in-memory port answered by the controller model, and the real serial port
// with the emulator on a pseudo-terminal.

#include "emulator_deadline.h"
#include "fake_serial_port.h"
#include "fakes.h"
#include "link_faults.h"
#include "model_responder.h"
#include "plain_transaction.h"
#include "recording_port.h"
#include "sim_process.h"

#include "file_bytes.h"

#include "files/vxc_writer.h"
#include "port/qt_serial_port.h"
#include "session/controller_comparison.h"
#include "session/controller_read.h"
#include "session/guarded_write.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace vexlor;
using namespace link_faults;
using sim::FaultKind;
using sim::FaultPlan;

Q_DECLARE_METATYPE(vexlor::DeviceState)
Q_DECLARE_METATYPE(vexlor::TransactionOutcome)
Q_DECLARE_METATYPE(vexlor::ControlAssignment)
Q_DECLARE_METATYPE(vexlor::GuardedWriteOutcome)
Q_DECLARE_METATYPE(vexlor::ComparisonOutcome)

namespace {

enum class Backend { InMemory, Emulator };
using Held = QList<QPair<int, int>>; // index, value the controller holds at start

const WriteSafety kBoth{true, true};
const WriteSafety kNeither{false, false};

// A controller holding the window's initial values changed by `held`, with a
// planned fault, behind one kind of port; the session on it, started up;
// the window's read, the guarded write and the comparison over it, backups
// in a folder of their own. Over the emulator, the emulator closes the reply
// windows, not the clock.
struct Rig {
    Backend backend = Backend::InMemory;
    std::shared_ptr<sim::ControllerModel> model;
    SimProcess sim;
    FakePortLister fakeLister;
    SystemPortLister systemLister;
    FakeBridgeLines bridges;
    QList<QByteArray> *writes = nullptr;
    std::unique_ptr<EmulatorReplyDeadline> told;
    QTemporaryDir dir;
    BackupStore backups{dir.filePath(QStringLiteral("backups"))};
    std::unique_ptr<ControllerSession> session;
    std::unique_ptr<ControllerRead> read;
    std::unique_ptr<PlainTransaction> plainWrite;
    std::unique_ptr<GuardedWrite> guarded;
    std::unique_ptr<ControllerComparison> comparison;

    [[nodiscard]] bool start(Backend kind, const Held &held = {}, const FaultPlan &plan = {})
    {
        backend = kind;
        SerialPort *port = nullptr;
        QString portOverride;
        const PortLister *lister = &fakeLister;
        if (kind == Backend::InMemory) {
            auto values = initialValues();
            for (const auto &[index, value] : held)
                values[index] = quint16(value);
            model = std::make_shared<sim::ControllerModel>(values, 1, 35, plan);
            auto *fake = new FakeSerialPort;
            fake->responder = modelResponder(model);
            writes = &fake->writes;
            port = fake;
            fakeLister.addBridge(QStringLiteral("/dev/ttyUSB0"));
        } else {
            QStringList args = emulatorFaultArguments(plan);
            for (const auto &[index, value] : held)
                args << QStringLiteral("--set") << QStringLiteral("%1=%2").arg(index).arg(value);
            auto *recording = new RecordingPort(new QtSerialPort);
            writes = &recording->writes;
            port = recording;
            told = std::make_unique<EmulatorReplyDeadline>(sim, *recording);
            portOverride = sim.start(args);
            if (portOverride.isEmpty()) {
                delete recording;
                return false;
            }
            lister = &systemLister;
            bridges.noLine = true;
        }
        session = std::make_unique<ControllerSession>(std::unique_ptr<SerialPort>(port), *lister, bridges,
                                                      portOverride);
        if (told)
            session->closeReplyWindowsBy(told.get());
        read = std::make_unique<ControllerRead>(*session, NumberFormat::point());
        plainWrite = std::make_unique<PlainTransaction>(*session);
        guarded = std::make_unique<GuardedWrite>(*session, backups, NumberFormat::point());
        comparison = std::make_unique<ControllerComparison>(*session, NumberFormat::point());
        QSignalSpy up(session.get(), &ControllerSession::startUpFinished);
        session->startUp();
        return up.wait(kHangMs) && up.at(0).at(0).value<DeviceState>() == DeviceState::Connected;
    }

    [[nodiscard]] GuardedWriteOutcome write(const ParameterSnapshot &window, WriteSafety safety)
    {
        QSignalSpy done(guarded.get(), &GuardedWrite::finished);
        const EncodedSet set = encodeAll(window, NumberFormat::point());
        if (guarded->start(window, set.values, safety) != ExchangeStart::Started || !done.wait(kHangMs))
            return {};
        return done.at(0).at(0).value<GuardedWriteOutcome>();
    }
    // The plain write, or the window's read.
    [[nodiscard]] TransactionOutcome plain(TransactionMode mode, const ParameterSnapshot &window,
                                           ParameterSnapshot *decodedInto = nullptr)
    {
        const bool reading = mode == TransactionMode::Read;
        QSignalSpy readDone(read.get(), &ControllerRead::finished);
        QSignalSpy writeDone(session.get(), &ControllerSession::transactionFinished);
        QSignalSpy &done = reading ? readDone : writeDone;
        QSignalSpy decoded(read.get(), &ControllerRead::valueDecoded);
        const ParameterValues values = encodeAll(window, NumberFormat::point()).values;
        const ExchangeStart begun = reading ? read->start(values) : plainWrite->start(mode, values);
        if (begun != ExchangeStart::Started || !done.wait(kHangMs))
            return {};
        for (int i = 0; decodedInto && i < decoded.size(); ++i) {
            const auto a = decoded.at(i).at(0).value<ControlAssignment>();
            (*decodedInto)[a.index] = a.value;
        }
        return done.at(0).at(0).value<TransactionOutcome>();
    }

    // Write frames and store commands that went out.
    [[nodiscard]] int writesSent() const
    {
        return int(std::count_if(writes->cbegin(), writes->cend(), [](const QByteArray &w) {
            return w == storeCommand() || (w.size() == kParameterFrameSize && w[1] == 'S');
        }));
    }
    [[nodiscard]] int stores()
    {
        if (backend == Backend::InMemory)
            return model->storeCount();
        return int(sim.lines().count(QStringLiteral("store")));
    }
};

void addBackendRows(const std::function<void(const QString &, Backend)> &add)
{
    add(QStringLiteral("in memory"), Backend::InMemory);
    add(QStringLiteral("emulator"), Backend::Emulator);
}

ParameterSnapshot windowWith(std::initializer_list<std::pair<int, const char *>> texts)
{
    ParameterSnapshot window = ParameterSnapshot::initial();
    for (const auto &[index, text] : texts)
        window[index].text = QString::fromLatin1(text);
    return window;
}

} // namespace

Q_DECLARE_METATYPE(Backend)
Q_DECLARE_METATYPE(vexlor::sim::FaultPlan)

class TestGuardedWrite : public QObject {
    Q_OBJECT

private slots:
    // With both options off the guarded write is the plain write, frame for
    // frame and outcome for outcome, whatever the controller does; it takes
    // no backup and the window's read hears nothing of it.
    void bothOffIsThePlainWrite_data()
    {
        QTest::addColumn<Backend>("backend");
        QTest::addColumn<int>("row");
        addBackendRows([](const QString &port, Backend backend) {
            const auto faults = linkFaults();
            for (int i = 0; i < int(faults.size()); ++i) {
                const bool onEmulator = faults[i].name == QLatin1String("clean write")
                    || faults[i].name == QLatin1String("write, no store reply");
                if (faults[i].write() && (backend == Backend::InMemory || onEmulator))
                    QTest::addRow("%s: %s", qPrintable(port), faults[i].name) << backend << i;
            }
        });
    }
    void bothOffIsThePlainWrite()
    {
        QFETCH(Backend, backend);
        QFETCH(int, row);
        const LinkFault &f = linkFaults()[row];
        const ParameterSnapshot window = windowWith({{1, "15.0"}, {29, "90"}});
        Rig plainRig;
        QVERIFY(plainRig.start(backend, {}, f.plan));
        const TransactionOutcome plain = plainRig.plain(TransactionMode::Write, window);
        Rig guardedRig;
        QVERIFY(guardedRig.start(backend, {}, f.plan));
        QSignalSpy commandEnds(guardedRig.read.get(), &ControllerRead::finished);
        QSignalSpy steps(guardedRig.guarded.get(), &GuardedWrite::progress);
        const GuardedWriteOutcome guarded = guardedRig.write(window, kNeither);

        QCOMPARE(*guardedRig.writes, *plainRig.writes);
        QCOMPARE(guarded.outcome.passed, f.passed);
        QCOMPARE(guarded.outcome.message, plain.message);
        QCOMPARE(guarded.outcome.message.text, *f.message);
        QCOMPARE(guarded.outcome.acceptedFrames, f.accepted);
        QCOMPARE(guarded.outcome.stored, plain.stored);
        QCOMPARE(guarded.outcome.openInstallationGuide, plain.openInstallationGuide);
        QVERIFY(!guarded.verified && guarded.differences.isEmpty() && guarded.backupPath.isEmpty());
        QCOMPARE(GuardedWrite::totalFrames(WriteSafety{false, false}), 60);
        QCOMPARE(steps.isEmpty() ? 0 : steps.last().at(0).toInt(), f.accepted);
        QVERIFY(commandEnds.isEmpty());
        QVERIFY(guardedRig.backups.list().isEmpty());
    }

    // The backup read fails as a read fails (the read rows of the fault
    // table), or its file cannot be kept: nothing is written, no store, no
    // backup, and the outcome is the read's, saying so. A backup read that passes is
    // kept and the write follows.
    void aFailedBackupWritesNothing_data()
    {
        QTest::addColumn<Backend>("backend");
        QTest::addColumn<int>("row"); // -1: a clean read into a folder that cannot hold the file
        addBackendRows([](const QString &port, Backend backend) {
            const auto faults = linkFaults();
            for (int i = 0; i < int(faults.size()); ++i) {
                const bool onEmulator = faults[i].name == QLatin1String("read, no reply at 30");
                if (!faults[i].write() && (backend == Backend::InMemory || onEmulator))
                    QTest::addRow("%s: %s", qPrintable(port), faults[i].name) << backend << i;
            }
            QTest::addRow("%s: unwritable backup folder", qPrintable(port)) << backend << -1;
        });
    }
    void aFailedBackupWritesNothing()
    {
        QFETCH(Backend, backend);
        QFETCH(int, row);
        const LinkFault *f = row < 0 ? nullptr : &linkFaults()[row];
        Rig rig;
        QVERIFY(rig.start(backend, {}, f ? f->plan : FaultPlan{}));
        QFile blocker(rig.dir.filePath(QStringLiteral("backups")));
        if (!f)
            QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        QSignalSpy saved(rig.guarded.get(), &GuardedWrite::backupSaved);
        const GuardedWriteOutcome outcome = rig.write(windowWith({{1, "15.0"}}), kBoth);

        if (f && f->passed) {
            QVERIFY(outcome.outcome.passed && outcome.verified);
            QCOMPARE(outcome.outcome.acceptedFrames, 180);
            QCOMPARE(rig.backups.list().size(), 1);
            QCOMPARE(saved.size(), 1);
            return;
        }
        QVERIFY(!outcome.outcome.passed && !outcome.outcome.stored);
        QCOMPARE(rig.writesSent(), 0);
        QCOMPARE(rig.stores(), 0);
        QVERIFY(outcome.backupPath.isEmpty() && saved.isEmpty());
        QVERIFY(rig.backups.list().isEmpty());
        if (f) {
            QCOMPARE(outcome.outcome.message.text,
                     *f->message
                         + QStringLiteral("\nThe controller's settings could not be read for a backup, so "
                                          "nothing was written and no backup was kept."));
            QCOMPARE(outcome.outcome.acceptedFrames, f->accepted);
            QVERIFY(outcome.backupError.isEmpty());
        } else {
            QVERIFY(outcome.backupError.startsWith(QStringLiteral("Cannot create file ")
                                                   + blocker.fileName() + u'/'));
            QCOMPARE(outcome.outcome.message.text,
                     QStringLiteral("The controller's settings could not be kept as a backup, so "
                                    "nothing was written.\n\n")
                         + outcome.backupError);
            QCOMPARE(outcome.outcome.message.icon, MessageIcon::Error);
            QCOMPARE(outcome.outcome.acceptedFrames, 60);
        }
    }

    // The backup holds the controller's settings before the write, byte for
    // byte what Save writes after a read into the same window; the write
    // then passes its verify, progress running over all three phases.
    void theBackupIsWhatSaveWritesAfterARead_data()
    {
        QTest::addColumn<Backend>("backend");
        addBackendRows([](const QString &port, Backend backend) { QTest::addRow("%s", qPrintable(port)) << backend; });
    }
    void theBackupIsWhatSaveWritesAfterARead()
    {
        QFETCH(Backend, backend);
        Rig rig;
        const Held held{{1, 300}, {3, 100}, {4, 1}, {5, 9000}, {12, 60}, {20, 5}, {29, 90}, {40, 2}, {49, 312}};
        QVERIFY(rig.start(backend, held));
        ParameterSnapshot window = windowWith({{1, "16.5"}, {7, "2200"}});
        window.limitMaxSpeed = false;
        ParameterSnapshot afterRead = window;
        QVERIFY(rig.plain(TransactionMode::Read, window, &afterRead).passed);

        QSignalSpy commandSignals(rig.read.get(), &ControllerRead::valueDecoded);
        QSignalSpy saved(rig.guarded.get(), &GuardedWrite::backupSaved);
        QSignalSpy steps(rig.guarded.get(), &GuardedWrite::progress);
        const GuardedWriteOutcome outcome = rig.write(window, kBoth);
        QVERIFY(outcome.outcome.passed && outcome.outcome.stored && outcome.verified);
        QCOMPARE(outcome.outcome.message.text, kWriteOk);
        QCOMPARE(saved.size(), 1);
        QCOMPARE(saved.at(0).at(0).toString(), outcome.backupPath);
        QFile backup(outcome.backupPath);
        QVERIFY(backup.open(QIODevice::ReadOnly));
        QCOMPARE(backup.readAll(), configurationFileBytes(afterRead));
        QCOMPARE(rig.backups.list().size(), 1);
        QVERIFY(commandSignals.isEmpty()); // the window never sees the backup read

        QCOMPARE(GuardedWrite::totalFrames(WriteSafety{}), 180);
        QList<int> progress;
        for (const auto &args : steps)
            progress << args.at(0).toInt();
        QVERIFY(std::is_sorted(progress.cbegin(), progress.cend()));
        QCOMPARE(progress.size(), 180);
        QCOMPARE(progress.last(), 180);
        QCOMPARE(outcome.outcome.acceptedFrames, 180);
        QCOMPARE(rig.stores(), 1);
    }

    // A controller that keeps another value than the one written: the
    // verify names it with both values, and only it; without verify the
    // same write passes unnoticed.
    void verifyNamesAKeptDifferentValue_data()
    {
        QTest::addColumn<Backend>("backend");
        QTest::addColumn<bool>("verify");
        addBackendRows([](const QString &port, Backend backend) {
            QTest::addRow("%s", qPrintable(port)) << backend << true;
            if (backend == Backend::InMemory)
                QTest::addRow("%s, no verify", qPrintable(port)) << backend << false;
        });
    }
    void verifyNamesAKeptDifferentValue()
    {
        QFETCH(Backend, backend);
        QFETCH(bool, verify);
        Rig rig;
        QVERIFY(rig.start(backend, {}, {FaultKind::KeepsOldValue, 29, false}));
        const GuardedWriteOutcome outcome = rig.write(windowWith({{1, "15.0"}, {29, "150"}}), {true, verify});
        QCOMPARE(rig.stores(), 1);
        if (!verify) {
            QVERIFY(outcome.outcome.passed && outcome.differences.isEmpty());
            return;
        }
        QVERIFY(!outcome.outcome.passed && outcome.outcome.stored && !outcome.verified);
        QCOMPARE(outcome.differences.size(), 1);
        const ParameterDifference &d = outcome.differences.first();
        QCOMPARE(d.index, 29);
        QCOMPARE(d.expectedValue, quint16(150));
        QCOMPARE(d.actualValue, quint16(100));
        QCOMPARE(d.expectedText, QStringLiteral("150"));
        QCOMPARE(d.actualText, QStringLiteral("100"));
        QCOMPARE(outcome.outcome.message.text,
                 QStringLiteral("The configuration was written and stored, but the controller holds "
                                "other values than were written:\n\nLevel 9: written 150 %, holds 100 %"));
        QCOMPARE(outcome.outcome.message.caption, QStringLiteral("Write controller result"));
        QCOMPARE(outcome.outcome.acceptedFrames, 180);
    }

    // Each backup records how the write that followed it ended: "unfinished"
    // from the moment it is kept (a write that never ends, the program
    // killed, never reads as a good one), then the end the write reached,
    // also when the session is released in the middle of it.
    void theBackupRecordsHowTheWriteEnded_data()
    {
        QTest::addColumn<Backend>("backend");
        QTest::addColumn<FaultPlan>("plan");
        QTest::addColumn<bool>("verify");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("frame");
        const auto row = [](const char *name, Backend backend, FaultPlan plan, bool verify, WriteEnd end,
                            int frame = 0) {
            QTest::newRow(name) << backend << plan << verify << int(end) << frame;
        };
        const auto m = Backend::InMemory;
        row("verified", Backend::Emulator, {}, true, WriteEnd::Verified);
        row("not checked", m, {}, false, WriteEnd::Completed);
        row("kept another value", m, {FaultKind::KeepsOldValue, 29, false}, true, WriteEnd::Differences);
        row("no reply at 30 of the write", Backend::Emulator, {FaultKind::NoReply, 30, false, 1}, true,
            WriteEnd::Interrupted, 30);
        row("no reply at 0 of the write", m, {FaultKind::NoReply, 0, false, 1}, true, WriteEnd::Interrupted, 0);
        row("no store reply", m, {FaultKind::NoStoreReply, 0, false}, true, WriteEnd::StoreFailed);
        row("read-back fails", m, {FaultKind::NoReply, 10, false, 2}, true, WriteEnd::CheckFailed);
        row("released at 30 of the write", m, {}, true, WriteEnd::Interrupted, 30);
    }
    void theBackupRecordsHowTheWriteEnded()
    {
        QFETCH(Backend, backend);
        QFETCH(FaultPlan, plan);
        QFETCH(bool, verify);
        QFETCH(int, end);
        QFETCH(int, frame);
        Rig rig;
        QVERIFY(rig.start(backend, {}, plan));
        QList<WriteRecord> whileWriting;
        connect(rig.guarded.get(), &GuardedWrite::backupSaved, this,
                [&](const QString &path) { whileWriting << readWriteRecord(path); });
        const bool release = QByteArray(QTest::currentDataTag()).startsWith("released");
        connect(rig.guarded.get(), &GuardedWrite::progress, this, [&](int frames) {
            if (release && frames == 90)
                rig.session->release();
        });
        const ParameterSnapshot window = windowWith({{1, "15.0"}, {29, "90"}});
        const WriteRecord expected{WriteEnd(end), frame, false};
        if (release) {
            QSignalSpy released(rig.session.get(), &ControllerSession::released);
            QCOMPARE(rig.guarded->start(window, encodeAll(window, NumberFormat::point()).values, kBoth),
                     ExchangeStart::Started);
            QVERIFY(released.wait(kHangMs));
        } else {
            QCOMPARE(rig.write(window, {true, verify}).record, expected);
        }
        QCOMPARE(whileWriting, (QList<WriteRecord>{{WriteEnd::Unfinished, 0, false}}));
        const QList<BackupFile> listed = rig.backups.list();
        QCOMPARE(listed.size(), 1);
        QCOMPARE(listed.first().record, expected);
        QCOMPARE(expected.leftMidWrite(), frame > 0 || WriteEnd(end) == WriteEnd::StoreFailed);
    }

    // The case: a write interrupted at frame 30 leaves the first
    // thirty values written; the next write's backup holds them, and says it
    // was taken after an interrupted write, so the one before it is the one
    // that undoes both. A backup after a write that ended well says nothing.
    void aBackupAfterAnInterruptedWriteSaysSo_data()
    {
        QTest::addColumn<Backend>("backend");
        addBackendRows([](const QString &port, Backend backend) { QTest::addRow("%s", qPrintable(port)) << backend; });
    }
    void aBackupAfterAnInterruptedWriteSaysSo()
    {
        QFETCH(Backend, backend);
        Rig rig;
        QVERIFY(rig.start(backend, {{1, 300}, {46, 2000}}, {FaultKind::NoReply, 30, false, 1}));
        const ParameterSnapshot window = windowWith({{1, "15.0"}, {46, "3000"}});
        QCOMPARE(rig.write(window, kBoth).record, (WriteRecord{WriteEnd::Interrupted, 30, false}));
        QCOMPARE(rig.write(window, kBoth).record, (WriteRecord{WriteEnd::Verified, 0, true}));
        QCOMPARE(rig.write(window, kBoth).record, (WriteRecord{WriteEnd::Verified, 0, false}));

        const QList<BackupFile> listed = rig.backups.list(); // newest first
        QCOMPARE(listed.size(), 3);
        const QByteArray own = fileBytes(listed[2].path);
        const QByteArray halfWritten = fileBytes(listed[1].path);
        QVERIFY(own.contains("1\r\n14.3\r\n") && own.contains("46\r\n2000\r\n"));
        QVERIFY(halfWritten.contains("1\r\n15.0\r\n") && halfWritten.contains("46\r\n2000\r\n"));
        QCOMPARE(listed[2].record, (WriteRecord{WriteEnd::Interrupted, 30, false}));
        QCOMPARE(listed[1].record, (WriteRecord{WriteEnd::Verified, 0, true}));
        QCOMPARE(listed[0].record, (WriteRecord{WriteEnd::Verified, 0, false}));
    }

    // Compare: a read into a side copy lists exactly the parameters that
    // differ (a reserved item never), hands back the controller's values,
    // leaves the window alone and keeps other exchanges out meanwhile.
    void compareListsExactlyTheDifferingParameters_data()
    {
        QTest::addColumn<Backend>("backend");
        addBackendRows([](const QString &port, Backend backend) { QTest::addRow("%s", qPrintable(port)) << backend; });
    }
    void compareListsExactlyTheDifferingParameters()
    {
        QFETCH(Backend, backend);
        Rig rig;
        QVERIFY(rig.start(backend, {{1, 300}, {8, 0}, {35, 7}, {40, 2}, {46, 1500}}));
        QSignalSpy commandSignals(rig.read.get(), &ControllerRead::valueDecoded);
        QSignalSpy readProgress(rig.read.get(), &ControllerRead::progress);
        QSignalSpy done(rig.comparison.get(), &ControllerComparison::finished);
        const ParameterValues window = initialValues();
        QCOMPARE(rig.comparison->start(window), ExchangeStart::Started);
        QCOMPARE(rig.guarded->start(ParameterSnapshot::initial(), window, kBoth), ExchangeStart::Busy);
        QCOMPARE(rig.comparison->start(window), ExchangeStart::Busy);
        QVERIFY(done.wait(kHangMs));
        const auto outcome = done.at(0).at(0).value<ComparisonOutcome>();
        QVERIFY(outcome.outcome.passed);
        QStringList listed;
        for (const ParameterDifference &d : outcome.differences)
            listed << QStringLiteral("%1 %2 %3").arg(d.index).arg(d.expectedText, d.actualText);
        QCOMPARE(listed, (QStringList{"1 14.0 14.3", "8 On Off", "40 120\u00B0 Sensors Sensorless"}));
        QCOMPARE(outcome.controllerValues[35], quint16(7));
        QCOMPARE(outcome.controllerAssignments.size(), kStoredParameterCount);
        QCOMPARE(outcome.controllerAssignments.first().value.text, QStringLiteral("14.3"));
        QVERIFY(commandSignals.isEmpty() && readProgress.isEmpty());
        QCOMPARE(rig.writesSent(), 0);

    }
};

QTEST_GUILESS_MAIN(TestGuardedWrite)
#include "test_guarded_write.moc"
