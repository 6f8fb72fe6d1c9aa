#pragma once

#include "cli_context.h"

#include "link/device_state.h"
#include "port/serial_port.h"
#include "protocol/transaction_engine.h"

#include <QObject>

#include <functional>

namespace vexlor::cli {

// One CLI command's time with the controller, as the window spends it: the
// session starts up (discover, bridge line high, open), the command's exchange
// runs, then the session is released (close, bridge line low). Runs the event
// loop until done.
class ControllerRun : public QObject {
    Q_OBJECT
public:
    // `unreachedMessage` is what the command reports when there is no port
    // to talk through ("Connection to controller is not detected!").
    ControllerRun(CliContext &context, QString unreachedMessage);

    // Runs `exchange` once the port is open; it calls finish(code) when over.
    // Returns the exit code.
    [[nodiscard]] int run(std::function<void()> exchange);
    void finish(int exitCode);

private:
    void onStarted(DeviceState state);
    void reportUnreached();

    CliContext &m_context;
    QString m_unreachedMessage;
    std::function<void()> m_exchange;
    int m_exitCode = kExitLinkFailure;
};

// A failed transaction's message on stderr, with where the installation
// guide is after a failed store; nothing when the session already said why.
void reportFailure(CliContext &context, const TransactionOutcome &outcome);

// An operation that failed on the link, for its record: its outcome's
// message, or when the controller was never reached, the link's failure.
[[nodiscard]] RegisterRecord failedRecord(RegisterRecord record, const TransactionOutcome &outcome);
// Records such an operation.
void keepFailure(CliContext &context, const RegisterRecord &record, const TransactionOutcome &outcome);

// The sentence that tells why a port would not open (with the way to get
// access when permission was refused).
[[nodiscard]] QString openFailureText(const QString &path, SerialPort::OpenError error);

} // namespace vexlor::cli
