#pragma once

#include "session_command.h"

#include "params/number_text.h"
#include "params/parameter_snapshot.h"

namespace vexlor {

// Read the controller's configuration into the window: one read transaction
// whose accepted values are decoded as they arrive, in index order, so the
// level count reaches the window before its levels. Fixed and reserved items
// are never decoded.
class ControllerRead : public SessionCommand {
    Q_OBJECT
public:
    // `session` must outlive the read; `format` is the user's, as the
    // window's fields show numbers.
    ControllerRead(ControllerSession &session, NumberFormat format, QObject *parent = nullptr);

    // `values` are what a write would send: the read frames carry them too.
    [[nodiscard]] ExchangeStart start(const ParameterValues &values);

signals:
    // One accepted reply's value as the controller holds it, for every index
    // (index 0: the controller's software version), before it is decoded.
    void valueReceived(int index, quint16 value);
    // One accepted reply, decoded into its control's value.
    void valueDecoded(const vexlor::ControlAssignment &assignment);
    // Not emitted when the session is released meanwhile.
    void finished(const vexlor::TransactionOutcome &outcome);

private:
    void onValueRead(int index, quint16 value) override;
    void onTransactionFinished(const TransactionOutcome &outcome) override;

    NumberFormat m_format;
};

} // namespace vexlor
