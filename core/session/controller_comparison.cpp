#include "controller_comparison.h"

#include "params/parameter_codec.h"

namespace vexlor {

ControllerComparison::ControllerComparison(ControllerSession &session, NumberFormat format,
                                           QObject *parent)
    : SessionCommand(session, parent)
    , m_format(format)
{
}

ExchangeStart ControllerComparison::start(const ParameterValues &windowValues)
{
    if (isRunning())
        return ExchangeStart::Busy;
    m_windowValues = windowValues;
    m_read = {};
    return runTransaction(TransactionMode::Read, windowValues);
}

void ControllerComparison::onTransactionFinished(const TransactionOutcome &outcome)
{
    ComparisonOutcome result;
    result.outcome = outcome;
    if (outcome.passed) {
        result.controllerValues = m_read;
        for (int index = 0; index < kProtocolItemCount; ++index) {
            if (const auto decoded = decodeParameter(index, m_read[index], m_format))
                result.controllerAssignments.append({index, *decoded});
        }
        result.differences = differingParameters(m_windowValues, m_read, m_format);
    }
    emit finished(result);
}

} // namespace vexlor
