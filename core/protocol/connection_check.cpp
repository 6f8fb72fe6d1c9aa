#include "connection_check.h"

#include "connection_check_texts.h"

#include "cables/link_texts.h"

namespace vexlor {

ConnectionCheckResult judgeConnectionCheck(const CapturedReply &reply)
{
    ConnectionCheckResult result;
    result.versionText = QStringLiteral("%1-%2").arg(reply.bytes[0]).arg(reply.bytes[1]);
    result.ok = reply.statusIs(kFrameAcceptedStatus);
    if (result.ok) {
        result.message = {connectionCheckText(texts::kConnectionOkQuestion).arg(result.versionText),
                          linkText(texts::kConnectionTestCaption), MessageIcon::Question};
    } else {
        result.message = {connectionCheckText(texts::kConnectionNotDetected),
                          linkText(texts::kConnectionTestCaption), MessageIcon::Error};
    }
    return result;
}

ConnectionCheck::ConnectionCheck(ReplyWindow *window, QObject *parent)
    : QObject(parent)
    , m_window(window)
{
}

ConnectionCheck::~ConnectionCheck() = default;

bool ConnectionCheck::start()
{
    if (m_running)
        return false;
    m_running = true;
    connect(m_window, &ReplyWindow::replyReady, this, &ConnectionCheck::onReplyReady);
    connect(m_window, &ReplyWindow::linkLost, this, &ConnectionCheck::onLinkLost);
    emit started();
    m_window->sendAndAwait(connectionTestFrame());
    return true;
}

void ConnectionCheck::abandon()
{
    if (!m_running)
        return;
    disconnect(m_window, nullptr, this, nullptr);
    m_window->abandon();
    m_running = false;
}

void ConnectionCheck::onReplyReady()
{
    finish(judgeConnectionCheck(m_window->reply()));
}

void ConnectionCheck::onLinkLost()
{
    // Nothing (or not enough) arrived before the port went away.
    finish(judgeConnectionCheck(CapturedReply{}));
}

void ConnectionCheck::finish(const ConnectionCheckResult &result)
{
    disconnect(m_window, nullptr, this, nullptr);
    m_running = false;
    emit finished(result);
}

} // namespace vexlor
