#include "controller_link.h"

namespace vexlor {

ControllerLink::ControllerLink(SerialPort *port, QObject *parent)
    : QObject(parent)
    , m_port(port)
{
    m_port->setParent(this);
    connect(m_port, &SerialPort::bytesReceived, this, &ControllerLink::onBytesReceived);
    connect(m_port, &SerialPort::resourceLost, this, &ControllerLink::onResourceLost);
    m_replyTimer.setSingleShot(true);
    m_replyTimer.setTimerType(Qt::PreciseTimer);
    m_replyTimer.setInterval(kReplyWindowMs);
    connect(&m_replyTimer, &QTimer::timeout, this, &ControllerLink::finishAwait);
}

bool ControllerLink::openPort(const QString &path)
{
    if (path.isEmpty())
        return false;
    return m_port->open(path);
}

void ControllerLink::closePort()
{
    m_port->close();
}

bool ControllerLink::isOpen() const
{
    return m_port->isOpen();
}

void ControllerLink::sendAndAwait(const QByteArray &bytes)
{
    // The clearing comes before the write: whatever is left of an earlier
    // reply is dropped here.
    m_receiveHexText.clear();
    m_replyHexText.clear();
    m_replyBytes[0] = 0;
    m_replyBytes[1] = 0;
    m_lastReply = LinkReply{};
    ++m_exchange;
    m_awaiting = true;
    m_replyTimer.start();
    m_writing = true;
    m_port->write(bytes);
    m_writing = false;
    // A port that answers inside write() (a fake) must not finish the wait
    // before the caller has returned from this call.
    if (m_awaiting && replyComplete()) {
        const quint64 exchange = m_exchange;
        QMetaObject::invokeMethod(
            this,
            [this, exchange] {
                if (m_awaiting && exchange == m_exchange)
                    finishAwait();
            },
            Qt::QueuedConnection);
    }
}

void ControllerLink::onBytesReceived(const QByteArray &bytes)
{
    for (const char c : bytes) {
        const auto b = quint8(c);
        static constexpr char kDigits[] = "0123456789ABCDEF";
        m_receiveHexText.append(kDigits[b >> 4]);
        m_receiveHexText.append(kDigits[b & 0x0F]);
        switch (m_receiveHexText.size()) {
        case 4: m_replyBytes[0] = b; break;
        case 6: m_replyBytes[1] = b; break;
        case 8: m_replyBytes[2] = b; break;
        default: break;
        }
    }
    m_replyHexText = m_receiveHexText.left(kReplyHexLength);
    if (m_awaiting && !m_writing && replyComplete())
        finishAwait();
}

void ControllerLink::expireReplyWindow()
{
    if (m_awaiting)
        finishAwait();
}

void ControllerLink::finishAwait()
{
    m_replyTimer.stop();
    m_awaiting = false;
    m_replyHexText = m_receiveHexText.left(kReplyHexLength);
    m_lastReply.hexText = m_replyHexText;
    m_lastReply.bytes = m_replyBytes;
    m_lastReply.complete = replyComplete();
    emit replyReady();
}

void ControllerLink::onResourceLost()
{
    m_replyTimer.stop();
    m_awaiting = false;
    m_port->close();
    emit linkLost();
}


} // namespace vexlor
