#pragma once

#include "session_command.h"

#include "params/parameter_snapshot.h"

#include <QList>

namespace vexlor {

// What a comparison with the controller found.
struct ComparisonOutcome {
    TransactionOutcome outcome; // the read's; not passed: show its failure, nothing else holds
    ParameterValues controllerValues{};             // by protocol index
    QList<ControlAssignment> controllerAssignments; // decoded, index order: to load into the window
    QList<ParameterDifference> differences;         // window order; empty: the controller holds them
};

// Compare with the controller: a read into a side copy. The read frames
// carry the window's values, as a read's do; the controller's values come
// back in the outcome, and nothing reaches the window's controls.
class ControllerComparison : public SessionCommand {
    Q_OBJECT
public:
    // `session` must outlive the comparison; `format` decodes as a read into
    // the window would.
    ControllerComparison(ControllerSession &session, NumberFormat format, QObject *parent = nullptr);

    [[nodiscard]] ExchangeStart start(const ParameterValues &windowValues);

signals:
    // Not emitted when the session is released meanwhile.
    void finished(const vexlor::ComparisonOutcome &outcome);

private:
    void onValueRead(int index, quint16 value) override { m_read[index] = value; }
    void onTransactionFinished(const TransactionOutcome &outcome) override;

    NumberFormat m_format;
    ParameterValues m_windowValues{};
    ParameterValues m_read{};
};

} // namespace vexlor
