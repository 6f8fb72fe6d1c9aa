#pragma once

#include "session/session_command.h"

namespace vexlor {

// One bare transaction as a command of the session: the plain write (no
// backup, no read-back) or a read that decodes nothing, for tests of what the
// session and the commands do around it. Only commands run exchanges.
class PlainTransaction : public SessionCommand {
public:
    explicit PlainTransaction(ControllerSession &session, QObject *parent = nullptr)
        : SessionCommand(session, parent)
    {
    }

    [[nodiscard]] ExchangeStart start(TransactionMode mode, const ParameterValues &values)
    {
        return runTransaction(mode, values);
    }

private:
    void onValueRead(int, quint16) override {}
    void onTransactionFinished(const TransactionOutcome &) override {}
};

} // namespace vexlor
