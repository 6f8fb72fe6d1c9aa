// The Windows serial port against the controller emulator, on the COM port
// named by VEXLOR_TEST_PORT that Wine maps onto the emulator's
// pseudo-terminal (test_windows_link sets it up and runs this program).

#include "event_wait.h"
#include "cables/windows_port_lister.h"
#include "port/windows_serial_port.h"
#include "protocol/parameter_frame.h"

#include <QSignalSpy>
#include <QtTest>

using namespace vexlor;

namespace {

// Every byte the port delivered so far.
QByteArray received(const QSignalSpy &spy)
{
    QByteArray bytes;
    for (const QList<QVariant> &signal : spy)
        bytes += signal.at(0).toByteArray();
    return bytes;
}

} // namespace

class TestWindowsSerialPort : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_port = qEnvironmentVariable("VEXLOR_TEST_PORT");
        if (m_port.isEmpty())
            QSKIP("VEXLOR_TEST_PORT names no port mapped onto the emulator");
    }

    // A port that is not there fails to open and says so; the mapped one is
    // found (Wine's device map does not list it) and opens.
    void opensOnlyAPortThatIsThere()
    {
        WindowsPortLister lister;
        QVERIFY(lister.exists(m_port));
        QVERIFY(lister.exists(QStringLiteral("\\\\.\\") + m_port));
        QVERIFY(!lister.exists(QStringLiteral("COM8")));

        WindowsSerialPort port;
        QVERIFY(!port.open(QStringLiteral("COM8")));
        QCOMPARE(port.openError(), SerialPort::OpenError::NotFound);
        QVERIFY(!port.isOpen());
        QVERIFY(port.open(m_port));
        QCOMPARE(port.openError(), SerialPort::OpenError::None);
        port.close();
        QVERIFY(!port.isOpen());
        port.close();
    }

    // Frames go out as written and replies come back whole and in order,
    // always from the event loop: one frame, then sixty written at once,
    // each while the last is still going out.
    void exchangesFramesFromTheEventLoop()
    {
        WindowsSerialPort port;
        QVERIFY(port.open(m_port));
        QSignalSpy spy(&port, &SerialPort::bytesReceived);
        port.write(connectionTestFrame());
        QCOMPARE(spy.count(), 0); // never from inside write()
        TRY_COMPARE(received(spy).size(), kReplySize);
        QCOMPARE(received(spy), QByteArray::fromHex("59012322")); // version 1-35

        spy.clear();
        for (int index = 0; index < 60; ++index)
            port.write(buildParameterFrame(FrameCommand::Read, index, 0));
        QCOMPARE(spy.count(), 0);
        TRY_COMPARE(received(spy).size(), 60 * kReplySize);
        const QByteArray replies = received(spy);
        for (int i = 0; i < replies.size(); i += kReplySize) {
            const ReplyBytes bytes{quint8(replies[i + 1]), quint8(replies[i + 2]), quint8(replies[i + 3])};
            QCOMPARE(quint8(replies[i]), quint8(0x59));
            QVERIFY(replyValueIsValid(bytes));
        }
    }

private:
    QString m_port;
};

QTEST_GUILESS_MAIN(TestWindowsSerialPort)
#include "test_windows_serial_port.moc"
