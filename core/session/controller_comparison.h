#pragma once

#include "controller_session.h"

#include "params/parameter_comparison.h"

#include <QList>
#include <QObject>

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
// back in the outcome, and nothing reaches the window's controls (the read
// is a session step).
class ControllerComparison : public QObject {
    Q_OBJECT
public:
    // `session` must outlive the comparison; `format` decodes as a read into
    // the window would.
    ControllerComparison(ControllerSession &session, NumberFormat format, QObject *parent = nullptr);

    [[nodiscard]] ExchangeStart start(const ParameterValues &windowValues);
    [[nodiscard]] bool isRunning() const { return m_running; }

signals:
    void started();
    void progress(int acceptedFrames);
    // Not emitted when the session is released meanwhile.
    void finished(const vexlor::ComparisonOutcome &outcome);

private:
    void onStepFinished(const TransactionOutcome &outcome);

    ControllerSession &m_session;
    NumberFormat m_format;
    bool m_running = false;
    ParameterValues m_windowValues{};
    ParameterValues m_read{};
};

} // namespace vexlor
