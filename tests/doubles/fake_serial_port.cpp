#include "fake_serial_port.h"

#include <QMetaObject>
#include <QTimer>

bool FakeSerialPort::open(const QString &path)
{
    ++openAttempts;
    if (failOpenWith != OpenError::None && failedOpensLeft != 0) {
        if (failedOpensLeft > 0)
            --failedOpensLeft;
        m_openError = failOpenWith;
        return false;
    }
    m_open = true;
    m_openError = OpenError::None;
    openedPaths << path;
    return true;
}

void FakeSerialPort::close()
{
    ++closeCalls;
    m_open = false;
}

void FakeSerialPort::pullCable()
{
    m_open = false;
    emit resourceLost();
}

void FakeSerialPort::write(const QByteArray &bytes)
{
    if (!m_open)
        return;
    writes << bytes;
    if (!responder)
        return;
    const std::optional<Answer> answer = responder(bytes);
    if (!answer)
        return;
    // Queued in order with everything else the event loop has to do, as a
    // real port's notifications are.
    const auto later = [this, a = *answer] { deliver(a); };
    if (answer->delayMs == 0)
        QMetaObject::invokeMethod(this, later, Qt::QueuedConnection);
    else
        QTimer::singleShot(answer->delayMs, Qt::PreciseTimer, this, later);
}

void FakeSerialPort::deliver(const Answer &a)
{
    if (m_open && a.pullCable) {
        pullCable();
    } else if (m_open && !a.bytewise) {
        if (!a.bytes.isEmpty())
            emit bytesReceived(a.bytes);
    } else if (m_open) {
        for (const char c : a.bytes)
            emit bytesReceived(QByteArray(1, c));
    }
    if (a.then)
        a.then();
}
