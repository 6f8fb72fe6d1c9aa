#include "protocol/parameter_frame.h"

#include <QtTest>

using namespace vexlor;

class TestParameterFrame : public QObject {
    Q_OBJECT
private slots:
    void frames_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("hex");
        QTest::newRow("connection test") << connectionTestFrame() << QByteArray("50520f0001000c0d0a");
        QTest::newRow("read 0 = 256") << buildParameterFrame(FrameCommand::Read, 0, 256)
                                      << QByteArray("50520f0001000c0d0a");
        // The check byte is itself CR: the frame still has nine bytes.
        QTest::newRow("write 0 = 256") << buildParameterFrame(FrameCommand::Write, 0, 256)
                                       << QByteArray("50530f0001000d0d0a");
        QTest::newRow("write 1 = 294") << buildParameterFrame(FrameCommand::Write, 1, 294)
                                       << QByteArray("50530f0101262a0d0a");
        QTest::newRow("read 1 = 294") << buildParameterFrame(FrameCommand::Read, 1, 294)
                                      << QByteArray("50520f0101262b0d0a");
        QTest::newRow("write 17 = 16560") << buildParameterFrame(FrameCommand::Write, 17, 16560)
                                          << QByteArray("50530f1140b0ed0d0a");
        QTest::newRow("write 34 = 0") << buildParameterFrame(FrameCommand::Write, 34, 0)
                                      << QByteArray("50530f2200002e0d0a");
        QTest::newRow("value 65535") << buildParameterFrame(FrameCommand::Write, 59, 65535)
                                     << QByteArray("50530f3bffff370d0a");
        QTest::newRow("store") << storeCommand() << QByteArray("50570d0a");
    }

    // Guards the bytes on the wire against the controller's worked frames.
    void frames()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, hex);
        QCOMPARE(frame.toHex(), hex);
    }

    void replies_data()
    {
        QTest::addColumn<QByteArray>("hexText");
        QTest::addColumn<bool>("status59");
        QTest::addColumn<bool>("valueValid");
        QTest::addColumn<int>("value");
        QTest::newRow("accepted 294") << QByteArray("59012627") << true << true << 294;
        QTest::newRow("accepted 0") << QByteArray("59000000") << true << true << 0;
        QTest::newRow("bad value check") << QByteArray("59012626") << true << false << 294;
        QTest::newRow("store status to a frame") << QByteArray("58012627") << false << true << 294;
        QTest::newRow("extra bytes ignored") << QByteArray("59FFFF00AA") << true << true << 65535;
        QTest::newRow("one character") << QByteArray("5") << false << false << 0;
        QTest::newRow("empty") << QByteArray() << false << false << 0;
    }

    // Guards reply judging: the status byte, the value check over bytes 2 to 4.
    void replies()
    {
        QFETCH(QByteArray, hexText);
        QFETCH(bool, status59);
        QFETCH(bool, valueValid);
        QFETCH(int, value);
        QCOMPARE(replyStatusIs(QByteArray::fromHex(hexText), kFrameAcceptedStatus), status59);
        const QByteArray raw = QByteArray::fromHex(hexText.mid(2, 6));
        ReplyBytes bytes{};
        for (int i = 0; i < raw.size() && i < 3; ++i)
            bytes[i] = quint8(raw[i]);
        if (raw.size() == 3) {
            QCOMPARE(replyValueIsValid(bytes), valueValid);
            QCOMPARE(int(replyValue(bytes)), value);
        }
    }

    // Guards the store reply: 0x58, and only as the first byte.
    void storeStatusAndLetterCase()
    {
        QVERIFY(replyStatusIs(QByteArray::fromHex("58"), kStoreAcceptedStatus));
        QVERIFY(!replyStatusIs(QByteArray::fromHex("59"), kStoreAcceptedStatus));
        QVERIFY(replyStatusIs(QByteArray::fromHex("59abcdef"), kFrameAcceptedStatus));
        QVERIFY(replyStatusIs(QByteArray::fromHex("59ABCDEF"), kFrameAcceptedStatus));
    }
};

QTEST_GUILESS_MAIN(TestParameterFrame)
#include "test_parameter_frame.moc"
