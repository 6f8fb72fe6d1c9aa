#include "fake_serial_port.h"
#include "model_responder.h"

#include "protocol/transaction_engine.h"
#include "protocol/transaction_texts.h"

#include <QSignalSpy>
#include <QtTest>

using namespace vexlor;
using sim::FaultKind;

Q_DECLARE_METATYPE(vexlor::TransactionOutcome)
Q_DECLARE_METATYPE(vexlor::TransactionMode)

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

const QString kFailed = QStringLiteral("Communication with controller failed!");
const QString kInterrupted = QStringLiteral("Communication with controller interrupted!");
const QString kNotice = QStringLiteral(
    "This error may be caused by controller MCU flash write protection. Please re-program .hex "
    "file to the controller with the write option bytes. Read Page 7 of ST-LINK_Installation_EN.pdf");

} // namespace

class TestTransactionEngine : public QObject {
    Q_OBJECT

private:
    FakeSerialPort *port = nullptr;
    ControllerLink *link = nullptr;
    ReplyTimer *timer = nullptr;
    ReplyWindow *window = nullptr;
    TransactionEngine *engine = nullptr;
    std::shared_ptr<sim::ControllerModel> model;

    void useModel(std::array<quint16, kProtocolItemCount> held, sim::FaultPlan fault = {})
    {
        model = std::make_shared<sim::ControllerModel>(held, 1, 35, fault);
        port->responder = modelResponder(model);
    }

    TransactionOutcome run(TransactionMode mode, QSignalSpy *values = nullptr,
                           QList<int> *progress = nullptr)
    {
        QSignalSpy done(engine, &TransactionEngine::finished);
        QSignalSpy steps(engine, &TransactionEngine::progress);
        QSignalSpy accepted(engine, &TransactionEngine::valueAccepted);
        if (!engine->start(mode, initialValues()))
            return {};
        if (!done.wait(10000))
            return {};
        if (values)
            for (const auto &args : accepted)
                values->append(args);
        if (progress)
            for (const auto &args : steps)
                progress->append(args.at(0).toInt());
        return done.at(0).at(0).value<TransactionOutcome>();
    }

    [[nodiscard]] int sendsOf(int index) const
    {
        int n = 0;
        for (const QByteArray &w : port->writes)
            if (w.size() == kParameterFrameSize && quint8(w[3]) == index)
                ++n;
        return n;
    }
    [[nodiscard]] bool storeSent() const { return port->writes.contains(storeCommand()); }

private slots:
    void init()
    {
        port = new FakeSerialPort;
        link = new ControllerLink(port);
        QVERIFY(link->openPort(QStringLiteral("/dev/ttyUSB0")));
        timer = new ReplyTimer;
        window = new ReplyWindow(link, timer);
        engine = new TransactionEngine(window);
        useModel(initialValues());
    }
    void cleanup()
    {
        delete engine;
        delete window;
        delete timer;
        delete link;
    }

    // Read: sixty read frames carrying the window's values, each reply's value
    // delivered for its index in order, progress 1..60, then the read message.
    void readSendsSixtyFramesAndDeliversValues()
    {
        auto held = initialValues();
        held[1] = 300;
        held[20] = 5;
        useModel(held);
        QSignalSpy values(engine, &TransactionEngine::valueAccepted);
        QList<int> progress;
        const TransactionOutcome outcome = run(TransactionMode::Read, nullptr, &progress);

        QVERIFY(outcome.passed);
        QCOMPARE(outcome.acceptedFrames, 60);
        QCOMPARE(outcome.message.text, QStringLiteral("Configuration of the controller was read successfully."));
        QCOMPARE(outcome.message.caption, QStringLiteral("Read controller result"));
        QCOMPARE(outcome.message.icon, MessageIcon::Information);
        QVERIFY(!outcome.openInstallationGuide);

        const auto sent = initialValues();
        QCOMPARE(port->writes.size(), 60);
        for (int i = 0; i < 60; ++i)
            QCOMPARE(port->writes[i], buildParameterFrame(FrameCommand::Read, i, sent[i]));
        QCOMPARE(port->writes[0], hex("50520F0001000C0D0A"));
        QCOMPARE(port->writes[1], hex("50520F0101262B0D0A"));

        QCOMPARE(values.size(), 60);
        QCOMPARE(values[0].at(1).value<quint16>(), quint16(0x0123)); // version 1-35
        for (int i = 1; i < 60; ++i) {
            QCOMPARE(values[i].at(0).toInt(), i);
            QCOMPARE(values[i].at(1).value<quint16>(), held[i]);
        }
        QList<int> expected;
        for (int k = 1; k <= 60; ++k)
            expected << k;
        QCOMPARE(progress, expected);
        QVERIFY(!storeSent());
    }

    // Write: sixty write frames byte-exact, then the store; the controller
    // holds what was sent; no value is decoded.
    void writeSendsFramesThenStores()
    {
        QSignalSpy values(engine, &TransactionEngine::valueAccepted);
        const TransactionOutcome outcome = run(TransactionMode::Write);
        QVERIFY(outcome.passed);
        QVERIFY(outcome.stored);
        QCOMPARE(outcome.message.text, QStringLiteral("Configuration of the controller was written successfully."));
        QCOMPARE(outcome.message.caption, QStringLiteral("Write controller result"));

        const auto sent = initialValues();
        QCOMPARE(port->writes.size(), 61);
        for (int i = 0; i < 60; ++i)
            QCOMPARE(port->writes[i], buildParameterFrame(FrameCommand::Write, i, sent[i]));
        QCOMPARE(port->writes[0], hex("50530F0001000D0D0A"));
        QCOMPARE(port->writes[1], hex("50530F0101262A0D0A"));
        QCOMPARE(port->writes[17], hex("50530F1140B0ED0D0A"));
        QCOMPARE(port->writes[34], hex("50530F2200002E0D0A"));
        QCOMPARE(port->writes[60], hex("50570D0A"));
        QCOMPARE(model->storeCount(), 1);
        for (int i = 1; i < 60; ++i)
            QCOMPARE(model->values()[i], sent[i]);
        QVERIFY(values.isEmpty());
    }

    // Every injected fault ends with its message, the frames accepted so far,
    // and no store after a failure; a fault that only costs a resend passes.
    void faultsEndWithTheirOutcome_data()
    {
        QTest::addColumn<TransactionMode>("mode");
        QTest::addColumn<FaultKind>("kind");
        QTest::addColumn<int>("at");
        QTest::addColumn<bool>("always");
        QTest::addColumn<bool>("passed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("accepted");
        QTest::addColumn<int>("sendsOfFaultyFrame");

        const auto R = TransactionMode::Read;
        const auto W = TransactionMode::Write;
        const QString readOk = QStringLiteral("Configuration of the controller was read successfully.");
        const QString writeOk = QStringLiteral("Configuration of the controller was written successfully.");
        QTest::newRow("no reply at 0") << R << FaultKind::NoReply << 0 << false << false << kFailed << 0 << 1;
        QTest::newRow("no reply at 30") << R << FaultKind::NoReply << 30 << false << false << kInterrupted << 30 << 1;
        QTest::newRow("bad status at 10") << W << FaultKind::BadStatus << 10 << false << false << kInterrupted << 10 << 1;
        QTest::newRow("bad check once") << W << FaultKind::BadCheck << 5 << false << true << writeOk << 60 << 2;
        QTest::newRow("bad check always") << W << FaultKind::BadCheck << 5 << true << false << kInterrupted << 5 << 5;
        QTest::newRow("bad check always at 0") << R << FaultKind::BadCheck << 0 << true << false << kFailed << 0 << 5;
        QTest::newRow("short reply once") << R << FaultKind::ShortReply << 7 << false << true << readOk << 60 << 2;
        QTest::newRow("short reply always") << R << FaultKind::ShortReply << 7 << true << false << kInterrupted << 7 << 5;
        QTest::newRow("extra bytes") << R << FaultKind::ExtraBytes << 12 << true << true << readOk << 60 << 1;
        QTest::newRow("late reply") << W << FaultKind::LateReply << 20 << false << false << kInterrupted << 20 << 1;
        QTest::newRow("no store reply") << W << FaultKind::NoStoreReply << 0 << false << false << kNotice << 60 << 1;
        QTest::newRow("cable pulled at 40") << W << FaultKind::CablePulled << 40 << false << false << kInterrupted << 40 << 1;
        QTest::newRow("cable pulled at 0") << R << FaultKind::CablePulled << 0 << false << false << kFailed << 0 << 1;
    }
    void faultsEndWithTheirOutcome()
    {
        QFETCH(TransactionMode, mode);
        QFETCH(FaultKind, kind);
        QFETCH(int, at);
        QFETCH(bool, always);
        QFETCH(bool, passed);
        QFETCH(QString, message);
        QFETCH(int, accepted);
        QFETCH(int, sendsOfFaultyFrame);

        useModel(initialValues(), {kind, at, always});
        QSignalSpy values(engine, &TransactionEngine::valueAccepted);
        const TransactionOutcome outcome = run(mode);
        QCOMPARE(outcome.passed, passed);
        QCOMPARE(outcome.message.text, message);
        QCOMPARE(outcome.acceptedFrames, accepted);
        QCOMPARE(sendsOf(at), sendsOfFaultyFrame);
        QCOMPARE(storeSent(), mode == TransactionMode::Write && accepted == 60);
        QCOMPARE(outcome.openInstallationGuide, kind == FaultKind::NoStoreReply);
        if (!passed) {
            QCOMPARE(outcome.message.icon, MessageIcon::Error);
            QCOMPARE(outcome.message.caption, kind == FaultKind::NoStoreReply
                                                  ? QStringLiteral("Notice")
                                                  : QStringLiteral("Error"));
        }
        // A read decodes exactly the frames it accepted.
        QCOMPARE(values.size(), mode == TransactionMode::Read ? accepted : 0);
        QVERIFY(!engine->isRunning());
    }

    // A reply cut short after the value bytes keeps the previous reply's check
    // byte; when that byte happens to match, the value must still not be taken.
    void shortReplyWithMatchingStaleCheckIsResent()
    {
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
        QSignalSpy values(engine, &TransactionEngine::valueAccepted);
        QList<int> progress;
        const TransactionOutcome outcome = run(TransactionMode::Read, nullptr, &progress);
        QVERIFY(outcome.passed);
        QCOMPARE(sendsOf(2), 2);
        QCOMPARE(values[2].at(0).toInt(), 2);
        QCOMPARE(values[2].at(1).value<quint16>(), quint16(10395));
        QCOMPARE(values.size(), 60);
        QCOMPARE(progress.mid(0, 4), (QList<int>{1, 2, 2, 3})); // no move during the resend
    }

    // A cable pulled while a reply is awaited ends the transaction at once,
    // with the interrupted message and no store.
    void cablePulledMidTransaction()
    {
        int sends = 0;
        port->responder = [&](const QByteArray &) -> std::optional<FakeSerialPort::Answer> {
            if (++sends == 25) {
                QTimer::singleShot(10, port, [this] { port->pullCable(); });
                return std::nullopt;
            }
            return FakeSerialPort::Answer{hex("59000000")};
        };
        const TransactionOutcome outcome = run(TransactionMode::Write);
        QVERIFY(!outcome.passed);
        QCOMPARE(outcome.message.text, kInterrupted);
        QCOMPARE(outcome.acceptedFrames, 24);
        QVERIFY(!storeSent());
        QVERIFY(!link->isOpen());
    }

    // No port at all: the first frame goes unanswered and the read fails.
    void noPortFailsAtTheFirstFrame()
    {
        link->closePort();
        const TransactionOutcome outcome = run(TransactionMode::Read);
        QVERIFY(!outcome.passed);
        QCOMPARE(outcome.message.text, kFailed);
        QCOMPARE(outcome.message.caption, QStringLiteral("Error"));
    }

    // A second start while one runs is refused and sends nothing.
    void secondStartIsRefused()
    {
        QSignalSpy done(engine, &TransactionEngine::finished);
        QVERIFY(engine->start(TransactionMode::Read, initialValues()));
        QCOMPARE(engine->state(), TransactionEngine::State::Exchanging);
        QVERIFY(!engine->start(TransactionMode::Write, initialValues()));
        QVERIFY(done.wait(5000));
        QCOMPARE(done.size(), 1);
        QCOMPARE(port->writes.size(), 60);
    }
};

QTEST_GUILESS_MAIN(TestTransactionEngine)
#include "test_transaction_engine.moc"
