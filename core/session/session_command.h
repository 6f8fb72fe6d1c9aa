#pragma once

#include "controller_session.h"

#include "params/parameter_comparison.h"

#include <QObject>

namespace vexlor {

// What the commands that talk to the controller share (the read into the
// window, the guarded write, the comparison): each runs its transactions
// through the session, one at a time, and takes the session's reports only
// while one of its own runs. Closing the session abandons the running one
// without its end.
class SessionCommand : public QObject {
    Q_OBJECT
public:
    [[nodiscard]] bool isRunning() const { return m_running; }

signals:
    // Frames accepted so far, over all transactions of the command.
    void progress(int framesSoFar);

protected:
    // `session` must outlive the command.
    explicit SessionCommand(ControllerSession &session, QObject *parent = nullptr);

    // Starts one transaction of this command; nothing is sent unless it
    // returns Started.
    [[nodiscard]] ExchangeStart runTransaction(TransactionMode mode, const ParameterValues &values);

    // The reports of this command's running transaction: each accepted read
    // reply's value, the frames accepted so far, and its end (the next
    // transaction may start from there).
    virtual void onValueRead(int index, quint16 value) = 0;
    virtual void onProgress(int acceptedFrames) { emit progress(acceptedFrames); }
    virtual void onTransactionFinished(const TransactionOutcome &outcome) = 0;
    // The session was released while one ran: it ends without its end.
    virtual void onAbandoned() {}

private:
    ControllerSession &m_session;
    bool m_running = false;
};

} // namespace vexlor
