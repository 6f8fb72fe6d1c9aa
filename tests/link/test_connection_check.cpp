#include "fake_serial_port.h"

#include "protocol/connection_check.h"

#include <QSignalSpy>
#include <QtTest>

using namespace vexlor;

Q_DECLARE_METATYPE(vexlor::ConnectionCheckResult)

class TestConnectionCheck : public QObject {
    Q_OBJECT
private slots:
    // Only the status byte decides; the version comes from what was captured,
    // so a short reply that starts with 0x59 is OK with a partial version.
    void resultFollowsStatusByte_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("version");
        QTest::newRow("full reply") << QByteArray("\x59\x01\x23\x22", 4) << true << "1-35";
        QTest::newRow("bad check still OK") << QByteArray("\x59\x01\x23\x00", 4) << true << "1-35";
        QTest::newRow("short reply") << QByteArray("\x59\x01", 2) << true << "1-0";
        QTest::newRow("other status") << QByteArray("\x58\x01\x23\x22", 4) << false << "1-35";
        QTest::newRow("no reply") << QByteArray() << false << "0-0";
    }
    void resultFollowsStatusByte()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, ok);
        QFETCH(QString, version);

        auto *port = new FakeSerialPort;
        ControllerLink link(port);
        ReplyTimer timer;
        ReplyWindow window(&link, &timer);
        QVERIFY(link.openPort(QStringLiteral("/dev/ttyUSB0")));
        port->responder = [&](const QByteArray &) -> std::optional<FakeSerialPort::Answer> {
            if (reply.isEmpty())
                return std::nullopt;
            return FakeSerialPort::Answer{reply, 5};
        };
        ConnectionCheck test(&window);
        QSignalSpy done(&test, &ConnectionCheck::finished);
        QVERIFY(test.start());
        QVERIFY(!test.start()); // one at a time
        QVERIFY(done.wait(1000));
        QCOMPARE(port->writes, QList<QByteArray>{QByteArray("\x50\x52\x0F\x00\x01\x00\x0C\x0D\x0A", 9)});

        const auto result = done.at(0).at(0).value<ConnectionCheckResult>();
        QCOMPARE(result.ok, ok);
        QCOMPARE(result.versionText, version);
        QCOMPARE(result.message.caption, QStringLiteral("Controller connection test result"));
        if (ok) {
            QCOMPARE(result.message.text,
                     QStringLiteral("Connection to controller is OK!\nController software version: v")
                         + version
                         + QStringLiteral("\n\nWould you like to read the controller's configuration now?"));
            QCOMPARE(result.message.icon, MessageIcon::Question);
        } else {
            QCOMPARE(result.message.text, QStringLiteral("Connection to controller is not detected!"));
            QCOMPARE(result.message.icon, MessageIcon::Error);
        }
        QVERIFY(!test.isRunning());
    }

    // A cable pulled during the test ends it as not detected, at once.
    void pulledCableIsNotDetected()
    {
        auto *port = new FakeSerialPort;
        ControllerLink link(port);
        ReplyTimer timer;
        ReplyWindow window(&link, &timer);
        QVERIFY(link.openPort(QStringLiteral("/dev/ttyUSB0")));
        port->responder = [](const QByteArray &) {
            FakeSerialPort::Answer a;
            a.pullCable = true;
            return a;
        };
        ConnectionCheck test(&window);
        QSignalSpy done(&test, &ConnectionCheck::finished);
        QVERIFY(test.start());
        QVERIFY(done.wait(1000));
        QVERIFY(!done.at(0).at(0).value<ConnectionCheckResult>().ok);
    }
};

QTEST_GUILESS_MAIN(TestConnectionCheck)
#include "test_connection_check.moc"
