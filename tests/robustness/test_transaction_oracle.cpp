#include "reply_script.h"
#include "transaction_oracle.h"

#include <QFile>
#include <QtTest>

using namespace vexlor::fuzz;

namespace {

const QString kFailed = QStringLiteral("Communication with controller failed!");
const QString kInterrupted = QStringLiteral("Communication with controller interrupted!");
const QString kReadOk = QStringLiteral("Configuration of the controller was read successfully.");
const QString kWriteOk = QStringLiteral("Configuration of the controller was written successfully.");
const QString kNotice = QStringLiteral(
    "This error may be caused by controller MCU flash write protection. Please re-program .hex "
    "file to the controller with the write option bytes. Read Page 7 of ST-LINK_Installation_EN.pdf");

ReplyScript seed(const QString &name)
{
    QFile file(QStringLiteral(VEXLOR_FUZZ_CORPUS "/transaction_engine/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return decodeReplyScript(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                             std::size_t(bytes.size()));
}

} // namespace

// The fuzzer trusts the judge to say what the engine must conclude; a judge
// that agrees with a wrong engine would hide every fault. These are the
// verdicts the protocol gives for the seeds, worked out by hand.
class TestTransactionOracle : public QObject {
    Q_OBJECT

private slots:
    void seedVerdicts_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("passed");
        QTest::addColumn<int>("accepted");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("sends");

        QTest::newRow("read passes") << "read-pass" << true << 60 << kReadOk << 60;
        QTest::newRow("write stores") << "write-pass" << true << 60 << kWriteOk << 61;
        QTest::newRow("silent store") << "write-store-silent" << false << 60 << kNotice << 61;
        QTest::newRow("store answered 0x59") << "write-store-bad-status" << false << 60 << kNotice << 61;
        QTest::newRow("cable pulled at store") << "write-store-pulled" << false << 60 << kInterrupted << 61;
        QTest::newRow("nothing at all") << "read-silent-at-0" << false << 0 << kFailed << 1;
        QTest::newRow("bad status first") << "read-bad-status-at-0" << false << 0 << kFailed << 1;
        QTest::newRow("one bad check is resent") << "read-bad-check-once-at-5" << true << 60 << kReadOk << 61;
        QTest::newRow("five bad checks give up") << "write-bad-check-always-at-9" << false << 9 << kInterrupted << 14;
        QTest::newRow("short reply is resent") << "read-short-once-at-7" << true << 60 << kReadOk << 61;
        QTest::newRow("short replies give up") << "read-short-always-at-3" << false << 3 << kInterrupted << 8;
        QTest::newRow("cable pulled") << "write-pulled-at-30" << false << 30 << kInterrupted << 31;
        QTest::newRow("cable pulled inside write") << "read-pulled-inside-write-at-12" << false << 12 << kInterrupted << 13;
        QTest::newRow("pull after a whole reply") << "write-pull-after-complete" << true << 60 << kWriteOk << 61;
        QTest::newRow("byte by byte") << "read-bytewise" << true << 60 << kReadOk << 60;
        QTest::newRow("inside write") << "read-inside-write" << true << 60 << kReadOk << 60;
        QTest::newRow("stray bytes after whole replies") << "write-stray-bytes" << true << 60 << kWriteOk << 61;
        // Three bytes, then the strays: the fourth byte (0x00) fails the check.
        QTest::newRow("stray bytes complete a short reply") << "read-stray-after-short" << true << 60 << kReadOk << 61;
        QTest::newRow("silent last frame") << "write-silent-at-59" << false << 59 << kInterrupted << 60;
    }
    void seedVerdicts()
    {
        QFETCH(QString, file);
        QFETCH(bool, passed);
        QFETCH(int, accepted);
        QFETCH(QString, message);
        QFETCH(int, sends);

        const ReplyScript script = seed(file);
        QVERIFY2(!script.segments.isEmpty() || file == QLatin1String("read-silent-at-0"),
                 "seed file missing");
        const ExpectedTransaction e = judgeTransaction(script);
        QCOMPARE(e.passed, passed);
        QCOMPARE(e.acceptedFrames, accepted);
        QCOMPARE(e.message, message);
        QCOMPARE(e.writes.size(), sends);
        QCOMPARE(e.stored, passed && script.mode == vexlor::TransactionMode::Write);
        QCOMPARE(e.opensGuide, message == kNotice);
    }

    // The judge builds its frames itself; they must be the protocol's
    // (the worked frames 50 52 0F 00 01 00 0C 0D 0A and the store command).
    void judgeFramesAreTheProtocols()
    {
        ReplyScript script;
        script.values[0] = 256;
        QCOMPARE(judgeTransaction(script).writes.value(0), QByteArray::fromHex("50520F0001000C0D0A"));
        script.mode = vexlor::TransactionMode::Write;
        script.values[17] = 0x40B0;
        for (int i = 0; i < 61; ++i)
            script.segments << ReplySegment{{QByteArray::fromHex(i == 60 ? "58000000" : "59000000")}};
        const ExpectedTransaction e = judgeTransaction(script);
        QCOMPARE(e.writes.value(17), QByteArray::fromHex("50530F1140B0ED0D0A"));
        QCOMPARE(e.writes.value(60), QByteArray("PW\r\n"));
        QVERIFY(e.stored);
    }
};

QTEST_GUILESS_MAIN(TestTransactionOracle)
#include "test_transaction_oracle.moc"
