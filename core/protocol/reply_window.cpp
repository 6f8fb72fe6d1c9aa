#include "reply_window.h"

namespace vexlor {

ReplyWindow::ReplyWindow(ControllerLink *link, ReplyDeadline *deadline, QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_deadline(deadline)
{
    connect(m_link, &ControllerLink::bytesReceived, this, &ReplyWindow::onBytesReceived);
    connect(m_link, &ControllerLink::linkLost, this, &ReplyWindow::onLinkLost);
    connect(m_deadline, &ReplyDeadline::expired, this, &ReplyWindow::onDeadlineExpired);
}

void ReplyWindow::setDeadline(ReplyDeadline *deadline)
{
    Q_ASSERT(!m_awaiting);
    disconnect(m_deadline, nullptr, this, nullptr);
    m_deadline = deadline;
    connect(m_deadline, &ReplyDeadline::expired, this, &ReplyWindow::onDeadlineExpired);
}

void ReplyWindow::onDeadlineExpired()
{
    if (m_awaiting)
        finishAwait();
}

void ReplyWindow::sendAndAwait(const QByteArray &bytes)
{
    // The clearing comes before the write: whatever is left of an earlier
    // reply is dropped here.
    m_received.clear();
    m_replyBytes[0] = 0;
    m_replyBytes[1] = 0;
    m_lastReply = CapturedReply{};
    m_awaiting = true;
    m_deadline->start();
    m_link->send(bytes);
}

void ReplyWindow::abandon()
{
    m_deadline->stop();
    m_awaiting = false;
}

void ReplyWindow::onBytesReceived(const QByteArray &bytes)
{
    // The 2nd, 3rd and 4th byte are captured as they arrive; the first is
    // the status, judged from received().
    for (qsizetype i = 0; i < bytes.size() && !replyComplete(); ++i) {
        m_received.append(bytes[i]);
        if (m_received.size() >= 2)
            m_replyBytes[m_received.size() - 2] = quint8(bytes[i]);
    }
    if (m_awaiting && replyComplete())
        finishAwait();
}

void ReplyWindow::onLinkLost()
{
    if (!m_awaiting)
        return;
    abandon();
    emit linkLost();
}

void ReplyWindow::finishAwait()
{
    m_deadline->stop();
    m_awaiting = false;
    m_lastReply.received = m_received;
    m_lastReply.bytes = m_replyBytes;
    m_lastReply.complete = replyComplete();
    emit replyReady();
}

} // namespace vexlor
