// The reply window over the link: what a send's reply looks like to the
// protocol, however the port splits it, and the link's own life (a pulled
// cable, a failed open).

#include "event_wait.h"
#include "fake_serial_port.h"

#include "port/controller_link.h"
#include "protocol/reply_window.h"

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

class TestReplyWindow : public QObject {
    Q_OBJECT

private:
    FakeSerialPort *port = nullptr;
    ControllerLink *link = nullptr;
    ReplyTimer timer;
    ReplyWindow *window = nullptr;

private slots:
    void init()
    {
        port = new FakeSerialPort;
        link = new ControllerLink(port);
        window = new ReplyWindow(link, &timer);
        QVERIFY(link->openPort(QStringLiteral("/dev/ttyUSB0")));
    }
    void cleanup()
    {
        delete window;
        delete link;
    }

    // The reply and its captures must not depend on how the port splits it.
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
        QSignalSpy ready(window, &ReplyWindow::replyReady);
        window->sendAndAwait("anything");
        QVERIFY(ready.wait(kHangMs));
        QCOMPARE(ready.count(), 1);
        QCOMPARE(window->received(), bytes({0x59, 0x12, 0x34, 0x26}));
        QCOMPARE(window->reply().received, bytes({0x59, 0x12, 0x34, 0x26}));
        QCOMPARE(window->replyBytes(), (ReplyBytes{0x12, 0x34, 0x26}));
        QVERIFY(window->reply().complete);
        QVERIFY(window->reply().valueIsValid());
        QCOMPARE(window->reply().value(), quint16(0x1234));
    }

    // Bytes past the fourth are neither kept nor captured: nothing grows
    // until the next send.
    void sixByteReplyKeepsTheFirstFourAsTheReply()
    {
        port->responder = [&](const QByteArray &) {
            return FakeSerialPort::Answer{bytes({0x59, 0x12, 0x34, 0x26, 0xAB, 0x0A})};
        };
        QSignalSpy ready(window, &ReplyWindow::replyReady);
        window->sendAndAwait("x");
        QVERIFY(ready.wait(kHangMs));
        port->receive(QByteArray(1000, char(0x59))); // unasked: still nothing kept
        QCOMPARE(window->received(), bytes({0x59, 0x12, 0x34, 0x26}));
        QCOMPARE(window->reply().received, bytes({0x59, 0x12, 0x34, 0x26}));
        QCOMPARE(window->replyBytes(), (ReplyBytes{0x12, 0x34, 0x26}));
    }

    // A short reply keeps the third capture of the previous reply, as callers
    // have always seen it, but it must never count as a complete reply: the
    // stale check byte would otherwise pass the value check.
    void shortReplyKeepsStaleCheckButIsNotComplete()
    {
        port->responder = [&](const QByteArray &) {
            return FakeSerialPort::Answer{bytes({0x59, 0x01, 0x26, 0x27})};
        };
        QSignalSpy ready(window, &ReplyWindow::replyReady);
        window->sendAndAwait("first");
        QVERIFY(ready.wait(kHangMs));

        port->responder = [&](const QByteArray &) {
            return FakeSerialPort::Answer{bytes({0x59, 0x01, 0x26})};
        };
        window->sendAndAwait("second");
        QVERIFY(ready.wait(kHangMs)); // only the reply window ends it
        QCOMPARE(window->reply().received, bytes({0x59, 0x01, 0x26}));
        QCOMPARE(window->replyBytes(), (ReplyBytes{0x01, 0x26, 0x27}));
        QVERIFY(replyValueIsValid(window->replyBytes())); // the old judging would pass it
        QVERIFY(!window->reply().complete);
        QVERIFY(window->reply().statusIs(kFrameAcceptedStatus));
        QVERIFY(!window->reply().valueIsValid());
    }

    // A send clears captures 0 and 1 (not 2) and the bytes before writing;
    // without an answer the wait still ends, with nothing.
    void noReplyEndsWithEmptyTextsAndClearedCaptures()
    {
        port->receive(bytes({0x59, 0x11, 0x22, 0x33}));
        QCOMPARE(window->replyBytes(), (ReplyBytes{0x11, 0x22, 0x33}));
        QSignalSpy ready(window, &ReplyWindow::replyReady);
        window->sendAndAwait("x");
        QCOMPARE(window->replyBytes(), (ReplyBytes{0, 0, 0x33}));
        QVERIFY(window->received().isEmpty());
        QVERIFY(ready.wait(kHangMs));
        QVERIFY(window->reply().received.isEmpty());
        QVERIFY(!window->reply().statusIs(kFrameAcceptedStatus));
    }

    // A pulled cable closes the port and abandons the wait without a reply.
    void resourceLossClosesAndReportsOnce()
    {
        QSignalSpy lost(link, &ControllerLink::linkLost);
        QSignalSpy abandoned(window, &ReplyWindow::linkLost);
        QSignalSpy ready(window, &ReplyWindow::replyReady);
        window->sendAndAwait("x");
        port->pullCable();
        QCOMPARE(lost.count(), 1);
        QCOMPARE(abandoned.count(), 1);
        QVERIFY(!link->isOpen());
        QVERIFY(!window->isAwaiting());
        QTest::qWait(2 * int(ReplyTimer::kReplyWindow.count()));
        QCOMPARE(ready.count(), 0);
    }

    // A send on a closed port reaches nobody and ends after the reply window.
    void sendOnClosedPortIsNotAnswered()
    {
        link->closePort();
        port->responder = [&](const QByteArray &) {
            return FakeSerialPort::Answer{bytes({0x59, 0, 0, 0})};
        };
        QSignalSpy ready(window, &ReplyWindow::replyReady);
        window->sendAndAwait("x");
        QVERIFY(ready.wait(kHangMs));
        QVERIFY(port->writes.isEmpty());
        QVERIFY(window->reply().received.isEmpty());
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

QTEST_GUILESS_MAIN(TestReplyWindow)
#include "test_reply_window.moc"
