#include "session_command.h"

namespace vexlor {

SessionCommand::SessionCommand(ControllerSession &session, QObject *parent)
    : QObject(parent)
    , m_session(session)
{
    // The session runs one transaction at a time, so while ours runs every
    // report is ours.
    connect(&session, &ControllerSession::valueRead, this, [this](int index, quint16 value) {
        if (m_running)
            onValueRead(index, value);
    });
    connect(&session, &ControllerSession::progress, this, [this](int acceptedFrames) {
        if (m_running)
            onProgress(acceptedFrames);
    });
    connect(&session, &ControllerSession::transactionFinished, this,
            [this](const TransactionOutcome &outcome) {
                if (!m_running)
                    return;
                m_running = false; // first: the handler may start the next one
                onTransactionFinished(outcome);
            });
    connect(&session, &ControllerSession::released, this, [this] {
        if (!m_running)
            return;
        m_running = false;
        onAbandoned();
    });
}

ExchangeStart SessionCommand::runTransaction(TransactionMode mode, const ParameterValues &values)
{
    const ExchangeStart begun = m_session.runTransaction(mode, values);
    m_running = begun == ExchangeStart::Started;
    return begun;
}

} // namespace vexlor
