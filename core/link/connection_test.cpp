#include "connection_test.h"

#include "link_texts.h"

namespace vexlor {

ConnectionTestResult judgeConnectionTest(const LinkReply &reply)
{
    ConnectionTestResult result;
    result.versionText = QStringLiteral("%1-%2").arg(reply.bytes[0]).arg(reply.bytes[1]);
    result.ok = reply.statusIs(kFrameAcceptedStatus);
    if (result.ok) {
        result.message = {QString::fromLatin1(texts::kConnectionOkPrefix) + result.versionText
                              + QString::fromLatin1(texts::kConnectionOkSuffix),
                          QString::fromLatin1(texts::kConnectionTestCaption),
                          MessageIcon::Question};
    } else {
        result.message = {QString::fromLatin1(texts::kConnectionNotDetected),
                          QString::fromLatin1(texts::kConnectionTestCaption), MessageIcon::Error};
    }
    return result;
}

ConnectionTest::ConnectionTest(ControllerLink *link, QObject *parent)
    : QObject(parent)
    , m_link(link)
{
}

bool ConnectionTest::start()
{
    if (m_running || m_link->isAwaiting())
        return false;
    m_running = true;
    connect(m_link, &ControllerLink::replyReady, this, &ConnectionTest::onReplyReady);
    connect(m_link, &ControllerLink::linkLost, this, &ConnectionTest::onLinkLost);
    emit started();
    m_link->sendAndAwait(connectionTestFrame());
    return true;
}

void ConnectionTest::onReplyReady()
{
    finish(judgeConnectionTest(m_link->reply()));
}

void ConnectionTest::onLinkLost()
{
    // Nothing (or not enough) arrived before the port went away.
    finish(judgeConnectionTest(LinkReply{}));
}

void ConnectionTest::finish(const ConnectionTestResult &result)
{
    disconnect(m_link, nullptr, this, nullptr);
    m_running = false;
    emit finished(result);
}

} // namespace vexlor
