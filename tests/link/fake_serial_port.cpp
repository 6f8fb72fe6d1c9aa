#include "fake_serial_port.h"

#include <QPointer>
#include <QTimer>

bool FakeSerialPort::open(const QString &path)
{
    if (failOpenWith != OpenError::None) {
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
    const Answer a = *answer;
    auto deliver = [this, a] {
        if (!m_open)
            return;
        if (a.pullCable) {
            pullCable();
            return;
        }
        if (!a.bytewise) {
            emit bytesReceived(a.bytes);
            return;
        }
        for (const char c : a.bytes)
            emit bytesReceived(QByteArray(1, c));
    };
    if (a.insideWrite)
        deliver();
    else
        QTimer::singleShot(a.delayMs, this, deliver);
}
