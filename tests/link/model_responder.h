#pragma once

#include "fake_serial_port.h"

#include "controller_model.h"
#include "params/parameter_codec.h"

#include <memory>

// The window's initial values: what a write sends, and what a new controller holds.
inline std::array<quint16, vexlor::kProtocolItemCount> initialValues()
{
    const auto set = vexlor::encodeAll(vexlor::ParameterSnapshot::initial(),
                                       vexlor::NumberFormat::point());
    Q_ASSERT(set.ok());
    return set.values;
}

// Answers the fake port's writes as the emulator's controller would.
inline FakeSerialPort::Responder modelResponder(std::shared_ptr<vexlor::sim::ControllerModel> model)
{
    return [model](const QByteArray &written) -> std::optional<FakeSerialPort::Answer> {
        const auto actions = model->feed(written);
        if (actions.isEmpty())
            return std::nullopt;
        const auto &action = actions.first();
        FakeSerialPort::Answer answer;
        if (action.kind == vexlor::sim::ModelAction::Kind::PullCable) {
            answer.pullCable = true;
            return answer;
        }
        if (action.bytes.isEmpty())
            return std::nullopt;
        answer.bytes = action.bytes;
        answer.delayMs = action.lateMs;
        return answer;
    };
}
