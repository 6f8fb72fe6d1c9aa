#include "controller_comparison.h"

#include "params/parameter_codec.h"

namespace vexlor {

ControllerComparison::ControllerComparison(ControllerSession &session, NumberFormat format,
                                           QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_format(format)
{
    connect(&session, &ControllerSession::stepProgress, this, [this](int acceptedFrames) {
        if (m_running)
            emit progress(acceptedFrames);
    });
    connect(&session, &ControllerSession::valueRead, this, [this](int index, quint16 value) {
        if (m_running)
            m_read[index] = value;
    });
    connect(&session, &ControllerSession::stepFinished, this, &ControllerComparison::onStepFinished);
    connect(&session, &ControllerSession::released, this, [this] { m_running = false; });
}

ExchangeStart ControllerComparison::start(const ParameterValues &windowValues)
{
    if (m_running)
        return ExchangeStart::Busy;
    m_windowValues = windowValues;
    m_read = {};
    const ExchangeStart begun = m_session.runStep(TransactionMode::Read, windowValues);
    m_running = begun == ExchangeStart::Started;
    if (m_running)
        emit started();
    return begun;
}

void ControllerComparison::onStepFinished(const TransactionOutcome &outcome)
{
    if (!m_running)
        return; // a step of someone else's
    m_running = false;
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
