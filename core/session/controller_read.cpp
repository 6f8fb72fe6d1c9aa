#include "controller_read.h"

#include "params/parameter_codec.h"

namespace vexlor {

ControllerRead::ControllerRead(ControllerSession &session, NumberFormat format, QObject *parent)
    : SessionCommand(session, parent)
    , m_format(format)
{
}

ExchangeStart ControllerRead::start(const ParameterValues &values)
{
    return runTransaction(TransactionMode::Read, values);
}

void ControllerRead::onValueRead(int index, quint16 value)
{
    emit valueReceived(index, value);
    if (const std::optional<ControlValue> decoded = decodeParameter(index, value, m_format))
        emit valueDecoded({index, *decoded});
}

void ControllerRead::onTransactionFinished(const TransactionOutcome &outcome)
{
    emit finished(outcome);
}

} // namespace vexlor
