#include "fake_serial_port.h"

#include "link/controller_link.h"

#include <QSignalSpy>
#include <QtTest>

using namespace vexlor;

namespace {

QByteArray bytes(std::initializer_list<int> list)
{
    QByteArray b;
    for (int v : list)
        b.append(char(v));
    return b;
}

} // namespace

class TestControllerLink : public QObject {
    Q_OBJECT

private:
    FakeSerialPort *port = nullptr;
    ControllerLink *link = nullptr;

private slots:
    void init()
    {
        port = new FakeSerialPort;
        link = new ControllerLink(port);
        QVERIFY(link->openPort(QStringLiteral("/dev/ttyUSB0")));
    }
    void cleanup() { delete link; }

    // The texts and captures must not depend on how the port splits a reply.
    void fourByteReplyInOneOrFourNotifications_data()
    {
        QTest::addColumn<bool>("bytewise");
        QTest::newRow("one notification") << false;
        QTest::newRow("four notifications") << true;
    }
    void fourByteReplyInOneOrFourNotifications()
    {
        QFETCH(bool, bytewise);
        port->responder = [&](const QByteArray &) {
            return FakeSerialPort::Answer{bytes({0x59, 0x12, 0x34, 0x26}), 10, bytewise};
        };
        QSignalSpy ready(link, &ControllerLink::replyReady);
        link->sendAndAwait("anything");
        QVERIFY(ready.wait(1000));
        QCOMPARE(ready.count(), 1);
        QCOMPARE(link->receiveHexText(), QByteArray("59123426"));
        QCOMPARE(link->replyHexText(), QByteArray("59123426"));
        QCOMPARE(link->replyBytes(), (ReplyBytes{0x12, 0x34, 0x26}));
        QVERIFY(link->reply().complete);
        QVERIFY(link->reply().valueIsValid());
        QCOMPARE(link->reply().value(), quint16(0x1234));
    }

    // Bytes past the fourth are kept in the receive text but captured nowhere.
    void sixByteReplyKeepsTheFirstFourAsTheReply()
    {
        port->responder = [&](const QByteArray &) {
            return FakeSerialPort::Answer{bytes({0x59, 0x12, 0x34, 0x26, 0xAB, 0x0A})};
        };
        QSignalSpy ready(link, &ControllerLink::replyReady);
        link->sendAndAwait("x");
        QVERIFY(ready.wait(1000));
        QCOMPARE(link->receiveHexText(), QByteArray("59123426AB0A"));
        QCOMPARE(link->replyHexText(), QByteArray("59123426"));
        QCOMPARE(link->replyBytes(), (ReplyBytes{0x12, 0x34, 0x26}));
    }

    // A short reply keeps the third capture of the previous reply, as callers
    // have always seen it, but it must never count as a complete reply: the
    // stale check byte would otherwise pass the value check.
    void shortReplyKeepsStaleCheckButIsNotComplete()
    {
        port->responder = [&](const QByteArray &) {
            return FakeSerialPort::Answer{bytes({0x59, 0x01, 0x26, 0x27})};
        };
        QSignalSpy ready(link, &ControllerLink::replyReady);
        link->sendAndAwait("first");
        QVERIFY(ready.wait(1000));

        port->responder = [&](const QByteArray &) {
            return FakeSerialPort::Answer{bytes({0x59, 0x01, 0x26})};
        };
        link->sendAndAwait("second");
        QVERIFY(ready.wait(1000)); // only the reply window ends it
        QCOMPARE(link->replyHexText(), QByteArray("590126"));
        QCOMPARE(link->replyBytes(), (ReplyBytes{0x01, 0x26, 0x27}));
        QVERIFY(replyValueIsValid(link->replyBytes())); // the old judging would pass it
        QVERIFY(!link->reply().complete);
        QVERIFY(link->reply().statusIs("59"));
        QVERIFY(!link->reply().valueIsValid());
    }

    // A send clears captures 0 and 1 (not 2) and the texts before writing;
    // without an answer the wait still ends, with nothing.
    void noReplyEndsWithEmptyTextsAndClearedCaptures()
    {
        port->receive(bytes({0x59, 0x11, 0x22, 0x33}));
        QCOMPARE(link->replyBytes(), (ReplyBytes{0x11, 0x22, 0x33}));
        QSignalSpy ready(link, &ControllerLink::replyReady);
        link->sendAndAwait("x");
        QCOMPARE(link->replyBytes(), (ReplyBytes{0, 0, 0x33}));
        QVERIFY(link->receiveHexText().isEmpty());
        QVERIFY(ready.wait(1000));
        QVERIFY(link->replyHexText().isEmpty());
        QVERIFY(!link->reply().statusIs("59"));
    }

    // A port that answers inside write() must not end the wait before
    // sendAndAwait() returns (callers would be re-entered mid-call).
    void answerInsideWriteIsAnnouncedLater()
    {
        port->responder = [&](const QByteArray &) {
            FakeSerialPort::Answer a{bytes({0x59, 0x00, 0x00, 0x00})};
            a.insideWrite = true;
            return a;
        };
        QSignalSpy ready(link, &ControllerLink::replyReady);
        link->sendAndAwait("x");
        QCOMPARE(ready.count(), 0);
        QVERIFY(ready.wait(1000));
        QCOMPARE(ready.count(), 1);
        QVERIFY(link->reply().valueIsValid());
    }

    // A pulled cable closes the port and abandons the wait without a reply.
    void resourceLossClosesAndReportsOnce()
    {
        QSignalSpy lost(link, &ControllerLink::linkLost);
        QSignalSpy ready(link, &ControllerLink::replyReady);
        link->sendAndAwait("x");
        port->pullCable();
        QCOMPARE(lost.count(), 1);
        QVERIFY(!link->isOpen());
        QVERIFY(!link->isAwaiting());
        QTest::qWait(2 * ControllerLink::kReplyWindowMs);
        QCOMPARE(ready.count(), 0);
    }

    // A send on a closed port reaches nobody and ends after the reply window.
    void sendOnClosedPortIsNotAnswered()
    {
        link->closePort();
        port->responder = [&](const QByteArray &) {
            return FakeSerialPort::Answer{bytes({0x59, 0, 0, 0})};
        };
        QSignalSpy ready(link, &ControllerLink::replyReady);
        link->sendAndAwait("x");
        QVERIFY(ready.wait(1000));
        QVERIFY(port->writes.isEmpty());
        QVERIFY(link->replyHexText().isEmpty());
    }

    // The port path survives a failed open, as the monitor relies on.
    void failedOpenKeepsPathAndReason()
    {
        link->closePort();
        link->setPortPath(QStringLiteral("/dev/ttyUSB3"));
        port->failOpenWith = SerialPort::OpenError::PermissionDenied;
        QVERIFY(!link->openPort(link->portPath()));
        QCOMPARE(link->openError(), SerialPort::OpenError::PermissionDenied);
        QCOMPARE(link->portPath(), QStringLiteral("/dev/ttyUSB3"));
        QVERIFY(!link->openPort(QString()));
    }
};

QTEST_GUILESS_MAIN(TestControllerLink)
#include "test_controller_link.moc"
