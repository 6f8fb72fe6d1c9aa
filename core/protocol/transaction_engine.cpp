#include "transaction_engine.h"

#include "parameter_frame.h"
#include "transaction_texts.h"

namespace vexlor {
namespace {

UserMessage errorMessage(const char *text)
{
    return {transactionText(text), transactionText(texts::kErrorCaption),
            MessageIcon::Error};
}

} // namespace

TransactionEngine::TransactionEngine(ReplyWindow *window, QObject *parent)
    : QObject(parent)
    , m_window(window)
{
}

TransactionEngine::~TransactionEngine() = default;

bool TransactionEngine::start(TransactionMode mode,
                              const std::array<quint16, kProtocolItemCount> &values)
{
    if (isRunning())
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
    connect(m_window, &ReplyWindow::replyReady, this, &TransactionEngine::onReplyReady);
    connect(m_window, &ReplyWindow::linkLost, this, &TransactionEngine::onLinkLost);
    sendCurrent();
    return true;
}

void TransactionEngine::abandon()
{
    if (!isRunning())
        return;
    stopListening();
    m_window->abandon();
}

void TransactionEngine::sendCurrent()
{
    ++m_sendsOfFrame;
    m_window->sendAndAwait(m_frames[m_next]);
}

void TransactionEngine::onReplyReady()
{
    const CapturedReply &reply = m_window->reply();

    if (m_state == State::Storing) {
        finishWith(storeOutcome(reply));
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
        outcome.message = {transactionText(texts::kReadSucceeded),
                           transactionText(texts::kReadCaption), MessageIcon::Information};
        finishWith(outcome);
        return;
    }
    m_state = State::Storing;
    m_window->sendAndAwait(storeCommand());
}

void TransactionEngine::onLinkLost()
{
    // The port went away under the exchange (or the store): the controller
    // did not answer, whatever the reason; no store follows.
    finishWith(communicationFailure());
}

TransactionOutcome TransactionEngine::storeOutcome(const CapturedReply &reply) const
{
    TransactionOutcome outcome;
    outcome.acceptedFrames = m_next;
    if (reply.statusIs(kStoreAcceptedStatus)) {
        outcome.passed = true;
        outcome.stored = true;
        outcome.message = {transactionText(texts::kWriteSucceeded),
                           transactionText(texts::kWriteCaption), MessageIcon::Information};
    } else {
        outcome.message = {storeFailedNotice(),
                           transactionText(texts::kNoticeCaption), MessageIcon::Error};
        outcome.openInstallationGuide = true;
    }
    return outcome;
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
    stopListening();
    emit finished(outcome);
}

void TransactionEngine::stopListening()
{
    disconnect(m_window, nullptr, this, nullptr);
    m_state = State::Idle;
    m_frames.clear();
}

} // namespace vexlor
