#include "transaction_engine.h"

#include "parameter_frame.h"
#include "transaction_texts.h"

namespace vexlor {
namespace {

UserMessage errorMessage(const char *text)
{
    return {QString::fromLatin1(text), QString::fromLatin1(texts::kErrorCaption),
            MessageIcon::Error};
}

} // namespace

TransactionEngine::TransactionEngine(ControllerLink *link, QObject *parent)
    : QObject(parent)
    , m_link(link)
{
}

bool TransactionEngine::start(TransactionMode mode,
                              const std::array<quint16, kProtocolItemCount> &values)
{
    if (isRunning() || m_link->isAwaiting())
        return false;
    m_mode = mode;
    // Every frame is built before the first is sent: edits made during the
    // transaction do not reach it.
    const FrameCommand command = mode == TransactionMode::Read ? FrameCommand::Read
                                                               : FrameCommand::Write;
    m_frames.clear();
    m_frames.reserve(kProtocolItemCount);
    for (int index = 0; index < kProtocolItemCount; ++index)
        m_frames.append(buildParameterFrame(command, index, values[index]));
    m_next = 0;
    m_sendsOfFrame = 0;
    m_state = State::Exchanging;
    connect(m_link, &ControllerLink::replyReady, this, &TransactionEngine::onReplyReady);
    connect(m_link, &ControllerLink::linkLost, this, &TransactionEngine::onLinkLost);
    emit started();
    sendCurrent();
    return true;
}

void TransactionEngine::sendCurrent()
{
    ++m_sendsOfFrame;
    m_link->sendAndAwait(m_frames[m_next]);
}

void TransactionEngine::onReplyReady()
{
    const LinkReply &reply = m_link->reply();

    if (m_state == State::Storing) {
        TransactionOutcome outcome;
        outcome.acceptedFrames = m_next;
        if (reply.statusIs(kStoreAcceptedStatus)) {
            outcome.passed = true;
            outcome.stored = true;
            outcome.message = {QString::fromLatin1(texts::kWriteSucceeded),
                               QString::fromLatin1(texts::kWriteCaption), MessageIcon::Information};
        } else {
            outcome.message = {QString::fromLatin1(texts::kStoreFailedNotice),
                               QString::fromLatin1(texts::kNoticeCaption), MessageIcon::Error};
            outcome.openInstallationGuide = true;
        }
        finishWith(outcome);
        return;
    }

    if (!reply.statusIs(kFrameAcceptedStatus)) {
        finishWith(communicationFailure());
        return;
    }
    if (reply.valueIsValid()) {
        if (m_mode == TransactionMode::Read)
            emit valueAccepted(m_next, reply.value());
        ++m_next;
        m_sendsOfFrame = 0;
    }
    emit progress(m_next);
    // A slot connected to the signals above may have ended us (a lost link).
    if (m_state != State::Exchanging)
        return;

    if (m_sendsOfFrame >= kMaxSendsPerFrame) {
        // A frame whose replies never pass the check: give up rather than
        // resend for ever.
        finishWith(communicationFailure());
        return;
    }
    if (m_next < kProtocolItemCount) {
        sendCurrent();
        return;
    }
    if (m_mode == TransactionMode::Read) {
        TransactionOutcome outcome;
        outcome.passed = true;
        outcome.acceptedFrames = m_next;
        outcome.message = {QString::fromLatin1(texts::kReadSucceeded),
                           QString::fromLatin1(texts::kReadCaption), MessageIcon::Information};
        finishWith(outcome);
        return;
    }
    m_state = State::Storing;
    m_link->sendAndAwait(storeCommand());
}

void TransactionEngine::onLinkLost()
{
    // The port went away under the exchange (or the store): the controller
    // did not answer, whatever the reason; no store follows.
    finishWith(communicationFailure());
}

TransactionOutcome TransactionEngine::communicationFailure() const
{
    TransactionOutcome outcome;
    outcome.acceptedFrames = m_next;
    outcome.message = errorMessage(m_next == 0 ? texts::kCommunicationFailed
                                               : texts::kCommunicationInterrupted);
    return outcome;
}

void TransactionEngine::finishWith(TransactionOutcome outcome)
{
    disconnect(m_link, nullptr, this, nullptr);
    m_state = State::Idle;
    m_frames.clear();
    emit finished(outcome);
}

} // namespace vexlor
