// The controller session as the window and the CLI use it, over the
// in-memory port: start-up, the monitor, the duplicate report, decoding,
// closing, and the rule that exchanges never overlap.

#include "event_wait.h"
#include "fake_serial_port.h"
#include "fakes.h"
#include "model_responder.h"
#include "plain_transaction.h"

#include "session/controller_read.h"
#include "session/controller_session.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>

using namespace vexlor;

Q_DECLARE_METATYPE(vexlor::DeviceState)
Q_DECLARE_METATYPE(vexlor::TransactionOutcome)
Q_DECLARE_METATYPE(vexlor::ConnectionCheckResult)
Q_DECLARE_METATYPE(vexlor::ControlAssignment)
Q_DECLARE_METATYPE(vexlor::UserMessage)
Q_DECLARE_METATYPE(vexlor::SerialPort::OpenError)

namespace {

const QString kA = QStringLiteral("/dev/ttyUSB0");
const QString kB = QStringLiteral("/dev/ttyUSB1");

// A session over the in-memory port, answered by a model controller.
struct SessionRig {
    FakePortLister lister;
    FakeBridgeLines bridges;
    FakeSerialPort *port = new FakeSerialPort; // owned by the session
    std::shared_ptr<sim::ControllerModel> model =
        std::make_shared<sim::ControllerModel>(initialValues(), 1, 35);
    std::unique_ptr<ControllerSession> session;

    explicit SessionRig(QStringList bridgePorts = {kA}, QString portOverride = {})
    {
        for (const QString &path : bridgePorts)
            lister.addBridge(path);
        port->responder = modelResponder(model);
        session = std::make_unique<ControllerSession>(std::unique_ptr<SerialPort>(port), lister,
                                                      bridges, portOverride);
    }

    [[nodiscard]] bool startUp()
    {
        QSignalSpy done(session.get(), &ControllerSession::startUpFinished);
        session->startUp();
        return done.wait(kHangMs);
    }
};

enum class Exchange { Check, Read, Write };

// A read or a write starts as the session's commands start theirs: a command
// of its own for each, which lives as long as the session.
ExchangeStart begin(ControllerSession &session, Exchange exchange)
{
    if (exchange == Exchange::Check)
        return session.checkConnection();
    auto *command = new PlainTransaction(session, &session);
    return command->start(exchange == Exchange::Read ? TransactionMode::Read : TransactionMode::Write,
                          initialValues());
}

} // namespace

Q_DECLARE_METATYPE(Exchange)

class TestControllerSession : public QObject {
    Q_OBJECT

private slots:
    // Start-up: discover and close; for a port with a bridge line wait
    // 500 ms, drive the line, then (bounded) open the device once it is back,
    // possibly under a new node and refused for a while (root-only until
    // udev applies the rule); a port held by another program is not retried.
    // Without a port or without a line: no line, no pause, one open, and no
    // pause when closing. It reports Label15 (state and finish), and a
    // refusal for permission once it has given up. Monitor ticks meanwhile
    // leave the port alone.
    void startUpReportsTheDeviceState_data()
    {
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("returnsAs"); // after the line change; "" never, "=" not away
        QTest::addColumn<SerialPort::OpenError>("openFails");
        QTest::addColumn<int>("refusals"); // opens that fail so; -1 all
        QTest::addColumn<bool>("noLine");
        QTest::addColumn<bool>("connected");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("attempts"); // opens tried; -1 not counted
        const auto none = SerialPort::OpenError::None;
        const auto refused = SerialPort::OpenError::PermissionDenied;
        const auto inUse = SerialPort::OpenError::InUse;
        const auto missing = SerialPort::OpenError::NotFound;
        QTest::newRow("found") << QStringList{kA} << "=" << none << 0 << false << true << kA << 1;
        QTest::newRow("back under a new node")
            << QStringList{kA} << kB << none << 0 << false << true << kB << 1;
        QTest::newRow("back late, refused twice")
            << QStringList{kA} << kA << refused << 2 << false << true << kA << 3;
        QTest::newRow("missing once") << QStringList{kA} << "=" << missing << 1 << false << true << kA << 2;
        QTest::newRow("never back: old path kept")
            << QStringList{kA} << "" << missing << -1 << false << false << kA << 1;
        QTest::newRow("refused for good") << QStringList{kA} << "=" << refused << -1 << false << false << kA << -1;
        QTest::newRow("in use: not retried") << QStringList{kA} << "=" << inUse << -1 << false << false << kA << 1;
        QTest::newRow("not found") << QStringList{} << "=" << none << 0 << false << false << QString() << 0;
        QTest::newRow("no bridge line") << QStringList{kA} << "=" << none << 0 << true << true << kA << 1;
        QTest::newRow("no bridge line, refused: not retried")
            << QStringList{kA} << "=" << refused << -1 << true << false << kA << 1;
    }
    void startUpReportsTheDeviceState()
    {
        QFETCH(QStringList, listed);
        QFETCH(QString, returnsAs);
        QFETCH(SerialPort::OpenError, openFails);
        QFETCH(int, refusals);
        QFETCH(bool, noLine);
        QFETCH(bool, connected);
        QFETCH(QString, path);
        QFETCH(int, attempts);
        SessionRig rig(listed);
        rig.bridges.noLine = noLine;
        rig.port->failOpenWith = openFails;
        rig.port->failedOpensLeft = refusals;
        rig.bridges.line.onSet = [&] {
            QVERIFY(!rig.session->isOpen());
            if (returnsAs == u'=')
                return;
            rig.lister.entries.clear(); // the kernel's driver lets go ...
            if (!returnsAs.isEmpty()) // ... and comes back
                QTimer::singleShot(250, rig.session.get(), [&] { rig.lister.addBridge(returnsAs); });
        };
        QSignalSpy states(rig.session.get(), &ControllerSession::deviceStateChanged);
        QSignalSpy done(rig.session.get(), &ControllerSession::startUpFinished);
        QSignalSpy refusedReports(rig.session.get(), &ControllerSession::accessRefused);
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, rig.session.get(), &ControllerSession::monitorTick);
        ticker.start(20);
        // Ticks stop the moment start-up ends: one after it would follow the
        // device on its own and is no part of this check.
        connect(rig.session.get(), &ControllerSession::startUpFinished, &ticker, &QTimer::stop);
        // When the line is first driven: never before the pause, however
        // late the machine lets it come (a bound from below only; a
        // millisecond spare for the clocks' rounding).
        QElapsedTimer sinceStart;
        qint64 lineDrivenAfterMs = -1;
        const auto onSet = rig.bridges.line.onSet;
        rig.bridges.line.onSet = [&] {
            if (lineDrivenAfterMs < 0)
                lineDrivenAfterMs = sinceStart.elapsed();
            onSet();
        };
        sinceStart.start();
        rig.session->startUp();
        QVERIFY(rig.session->isStartingUp());
        // Without a line nothing waits: done as soon as the event loop turns.
        const bool immediate = noLine || listed.isEmpty();
        for (int turn = 0; turn < 5 && done.isEmpty(); ++turn)
            QCoreApplication::processEvents();
        QCOMPARE(done.size(), immediate ? 1 : 0);
        if (!immediate) {
            QVERIFY(done.wait(kHangMs));
            QVERIFY2(lineDrivenAfterMs >= LinkStartup::kSettleMs - 1,
                     qPrintable(QStringLiteral("line driven after %1 ms").arg(lineDrivenAfterMs)));
        }
        const DeviceState state = connected ? DeviceState::Connected : DeviceState::Lost;
        QCOMPARE(done.at(0).at(0).value<DeviceState>(), state);
        QCOMPARE(states.size(), 1);
        QCOMPARE(states.at(0).at(0).value<DeviceState>(), state);
        QCOMPARE(rig.bridges.line.flags, immediate ? QList<int>{} : QList<int>{1});
        QCOMPARE(rig.bridges.askedFor, listed.mid(0, 1));
        QCOMPARE(rig.session->portPath(), path);
        QCOMPARE(rig.port->openedPaths, connected ? QStringList{path} : QStringList{});
        if (attempts >= 0)
            QCOMPARE(rig.port->openAttempts, attempts);
        const SerialPort::OpenError error = connected ? SerialPort::OpenError::None : openFails;
        QCOMPARE(rig.session->openError(), error);
        QCOMPARE(refusedReports.size(), error == SerialPort::OpenError::PermissionDenied ? 1 : 0);

        // Closing pauses only to drive a line, too.
        QSignalSpy released(rig.session.get(), &ControllerSession::released);
        rig.session->release();
        for (int turn = 0; turn < 5 && released.isEmpty(); ++turn)
            QCoreApplication::processEvents();
        QCOMPARE(released.size(), immediate ? 1 : 0);
        QVERIFY(immediate || released.wait(kHangMs));
        QCOMPARE(rig.bridges.line.flags, immediate ? QList<int>() : (QList<int>{1, 0}));
    }

    // The driver's low latency (1 ms instead of the chip's 16) is asked for
    // a cable's port, however it was found, at start-up and when the monitor
    // opens it; never for a pseudo-terminal or another adapter.
    void lowLatencyOnlyForACablesPort_data()
    {
        QTest::addColumn<QString>("portOverride");
        QTest::addColumn<int>("requests");
        QTest::newRow("cable found by the scan") << QString() << 2;
        QTest::newRow("cable named") << kA << 2;
        QTest::newRow("other adapter named") << QStringLiteral("/dev/ttyACM0") << 0;
        QTest::newRow("pseudo-terminal named") << QStringLiteral("/dev/pts/3") << 0;
    }
    void lowLatencyOnlyForACablesPort()
    {
        QFETCH(QString, portOverride);
        QFETCH(int, requests);
        SessionRig rig({kA}, portOverride);
        rig.bridges.noLine = true; // no pauses: the line is no part of this
        rig.lister.addOther(QStringLiteral("/dev/ttyACM0"));
        rig.lister.extraNodes.insert(QStringLiteral("/dev/pts/3"));
        QVERIFY(rig.startUp());
        QVERIFY(rig.session->isOpen());
        rig.port->pullCable(); // the monitor opens it afresh
        rig.session->monitorTick();
        rig.session->monitorTick();
        QVERIFY(rig.session->isOpen());
        QCOMPARE(rig.port->lowLatencyRequests, requests);
    }

    // A port that refuses the user's permission is reported with the fix
    // once per connect cycle: not again at the ticks that retry it, again
    // after it went away and came back refusing, never once it opens.
    void accessRefusedOncePerConnectCycle()
    {
        SessionRig rig;
        rig.bridges.noLine = true;
        rig.port->failOpenWith = SerialPort::OpenError::PermissionDenied;
        QSignalSpy reports(rig.session.get(), &ControllerSession::accessRefused);
        QVERIFY(rig.startUp());
        QCOMPARE(reports.size(), 1);
        const auto message = reports.at(0).at(0).value<UserMessage>();
        QCOMPARE(message.caption, QStringLiteral("Programming cable access"));
        QCOMPARE(message.icon, MessageIcon::Error);
        for (const char *part : {"/dev/ttyUSB0", "70-vexlor-cable.rules", "udevadm control --reload",
                                 "unplug the cable", "usermod -aG dialout"})
            QVERIFY2(message.text.contains(QLatin1String(part)), part);
        rig.session->monitorTick();
        rig.session->monitorTick();
        QCOMPARE(reports.size(), 1);

        rig.lister.entries.clear(); // unplugged ...
        rig.session->monitorTick();
        rig.lister.addBridge(kA); // ... and back, still refused
        rig.session->monitorTick();
        QCOMPARE(reports.size(), 2);

        rig.port->failOpenWith = SerialPort::OpenError::None; // the rule is in place
        rig.session->monitorTick();
        QVERIFY(rig.session->isOpen());
        rig.session->monitorTick();
        QCOMPARE(reports.size(), 2);
    }

    // Ticks leave the port alone during start-up; afterwards they follow the
    // device; once closing, they do nothing at all.
    void monitorTicksOnlyBetweenStartUpAndRelease()
    {
        SessionRig rig;
        QSignalSpy states(rig.session.get(), &ControllerSession::deviceStateChanged);
        rig.session->startUp();
        rig.lister.entries.clear();
        rig.session->monitorTick();
        QVERIFY(states.isEmpty());
        rig.lister.addBridge(kA);
        QVERIFY(QSignalSpy(rig.session.get(), &ControllerSession::startUpFinished).wait(kHangMs));

        rig.lister.entries.clear();
        rig.lister.addBridge(kB);
        rig.session->monitorTick();
        QCOMPARE(states.size(), 2);
        QCOMPARE(rig.session->portPath(), kB);
        QVERIFY(rig.session->isOpen());

        rig.session->release();
        rig.lister.entries.clear();
        rig.session->monitorTick();
        QCOMPARE(states.size(), 2);
    }

    // The duplicate-device report comes once until the user closed it.
    void duplicateReportWaitsUntilClosed()
    {
        SessionRig rig({kA, kB});
        QSignalSpy reports(rig.session.get(), &ControllerSession::duplicateDeviceReport);
        QVERIFY(rig.startUp());
        rig.session->monitorTick();
        QCOMPARE(reports.size(), 1);
        QCOMPARE(reports.at(0).at(0).value<UserMessage>().caption,
                 QStringLiteral("Controller connection test result"));
        rig.session->duplicateReportClosed();
        rig.session->monitorTick();
        QCOMPARE(reports.size(), 2);
        QCOMPARE(rig.session->portPath(), kB);
    }

    // The window's read hands over each accepted value decoded into its
    // control's value; fixed and reserved items never.
    void readDecodesIntoControlValues()
    {
        SessionRig rig;
        auto held = initialValues();
        held[1] = 300;
        rig.model = std::make_shared<sim::ControllerModel>(held, 1, 35);
        rig.port->responder = modelResponder(rig.model);
        QVERIFY(rig.startUp());
        ControllerRead read(*rig.session, NumberFormat::point());
        QSignalSpy decoded(&read, &ControllerRead::valueDecoded);
        QSignalSpy done(&read, &ControllerRead::finished);
        QCOMPARE(read.start(initialValues()), ExchangeStart::Started);
        QVERIFY(done.wait(kHangMs));
        QVERIFY(done.at(0).at(0).value<TransactionOutcome>().passed);
        QList<int> indices;
        for (const auto &args : decoded)
            indices << args.at(0).value<ControlAssignment>().index;
        for (int index = 0; index < kProtocolItemCount; ++index)
            QCOMPARE(indices.contains(index), parameterAt(index).isStored());
        const auto first = decoded.at(0).at(0).value<ControlAssignment>();
        QCOMPARE(first.index, 1);
        QCOMPARE(first.value.text, QStringLiteral("14.3"));
    }

    // Closing: the port at once, the line low after the pause, released()
    // once; a running exchange is dropped without its finished signal and
    // sends nothing more, and nothing new starts.
    void releaseAbandonsTheRunningExchange_data()
    {
        QTest::addColumn<Exchange>("running");
        QTest::newRow("check") << Exchange::Check;
        QTest::newRow("read") << Exchange::Read;
        QTest::newRow("write") << Exchange::Write;
    }
    void releaseAbandonsTheRunningExchange()
    {
        QFETCH(Exchange, running);
        SessionRig rig;
        QVERIFY(rig.startUp());
        rig.port->responder = nullptr; // the controller keeps silent
        QSignalSpy checked(rig.session.get(), &ControllerSession::connectionChecked);
        QSignalSpy finished(rig.session.get(), &ControllerSession::transactionFinished);
        QSignalSpy released(rig.session.get(), &ControllerSession::released);
        QCOMPARE(begin(*rig.session, running), ExchangeStart::Started);
        rig.session->release();
        QVERIFY(!rig.session->isOpen());
        QVERIFY(!rig.session->isBusy());
        QCOMPARE(rig.bridges.line.flags, QList<int>{1});
        QCOMPARE(begin(*rig.session, Exchange::Check), ExchangeStart::Released);
        QVERIFY(released.wait(kHangMs));
        QTest::qWait(150); // past the reply window the exchange had open
        QCOMPARE(rig.bridges.line.flags, (QList<int>{1, 0}));
        QCOMPARE(released.size(), 1);
        QVERIFY(rig.session->isReleased());
        QVERIFY(checked.isEmpty() && finished.isEmpty());
        QCOMPARE(rig.port->writes.size(), 1);
    }

    // Exchanges never overlap: while a check, a read or a write runs, every
    // start (the running kind's own included) is refused as Busy and sends
    // nothing, so no reply is taken for another exchange's; once it is over
    // the next one starts. The three in every order.
    void exchangesNeverOverlap_data()
    {
        QTest::addColumn<QList<Exchange>>("order");
        QList<Exchange> order{Exchange::Check, Exchange::Read, Exchange::Write};
        const char *names[] = {"test", "read", "write"};
        std::sort(order.begin(), order.end());
        do {
            QTest::addRow("%s, %s, %s", names[int(order[0])], names[int(order[1])],
                          names[int(order[2])])
                << order;
        } while (std::next_permutation(order.begin(), order.end()));
    }
    void exchangesNeverOverlap()
    {
        QFETCH(QList<Exchange>, order);
        SessionRig rig;
        QVERIFY(rig.startUp());
        QSignalSpy checked(rig.session.get(), &ControllerSession::connectionChecked);
        QSignalSpy finished(rig.session.get(), &ControllerSession::transactionFinished);
        for (const Exchange running : order) {
            const qsizetype sentBefore = rig.port->writes.size();
            const qsizetype endsBefore = checked.size() + finished.size();
            QCOMPARE(begin(*rig.session, running), ExchangeStart::Started);
            QVERIFY(rig.session->isBusy());
            for (const Exchange other : {Exchange::Check, Exchange::Read, Exchange::Write})
                QCOMPARE(begin(*rig.session, other), ExchangeStart::Busy);
            QCOMPARE(rig.port->writes.size(), sentBefore + 1);
            TRY_COMPARE(checked.size() + finished.size(), endsBefore + 1);
            QVERIFY(!rig.session->isBusy());
        }
        QCOMPARE(checked.size(), 1);
        QVERIFY(checked.at(0).at(0).value<ConnectionCheckResult>().ok);
        QCOMPARE(finished.size(), 2);
        for (const auto &args : finished)
            QVERIFY(args.at(0).value<TransactionOutcome>().passed);
    }

    // Closing during start-up stops it: the line is never raised and the
    // port never opened after the shutdown.
    void releaseDuringStartUpStopsIt()
    {
        SessionRig rig;
        QSignalSpy finished(rig.session.get(), &ControllerSession::startUpFinished);
        QSignalSpy released(rig.session.get(), &ControllerSession::released);
        rig.session->startUp();
        rig.session->release();
        QVERIFY(released.wait(kHangMs));
        QTest::qWait(LinkStartup::kSettleMs);
        QCOMPARE(rig.bridges.line.flags, QList<int>{0});
        QVERIFY(rig.port->openedPaths.isEmpty());
        QVERIFY(finished.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestControllerSession)
#include "test_controller_session.moc"
