#include "reply_window.h"

namespace vexlor {

ReplyWindow::ReplyWindow(ControllerLink *link, ReplyDeadline *deadline, QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_deadline(deadline)
{
    connect(m_link, &ControllerLink::bytesReceived, this, &ReplyWindow::onBytesReceived);
    connect(m_link, &ControllerLink::linkLost, this, &ReplyWindow::onLinkLost);
    connect(m_deadline, &ReplyDeadline::expired, this, [this] {
        if (m_awaiting)
            finishAwait();
    });
}

void ReplyWindow::sendAndAwait(const QByteArray &bytes)
{
    // The clearing comes before the write: whatever is left of an earlier
    // reply is dropped here.
    m_receiveHexText.clear();
    m_replyHexText.clear();
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
    m_replyHexText = m_receiveHexText.left(kReplyHexLength);
    m_lastReply.hexText = m_replyHexText;
    m_lastReply.bytes = m_replyBytes;
    m_lastReply.complete = replyComplete();
    emit replyReady();
}

} // namespace vexlor
