#pragma once

#include "fake_serial_port.h"
#include "fakes.h"

#include "controller_model.h"
#include "params/parameter_codec.h"
#include "protocol/parameter_frame.h"

#include <memory>

// The window's initial values: what a write sends, and what a new controller holds.
inline std::array<quint16, vexlor::kProtocolItemCount> initialValues()
{
    const auto set = vexlor::encodeAll(vexlor::ParameterSnapshot::initial(),
                                       vexlor::NumberFormat::point());
    Q_ASSERT(set.ok());
    return set.values;
}

// Answers the fake port's writes as the emulator's controller would (a late
// reply comes its 150 ms late).
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

// The same answers, with the reply window closed by `deadline` as soon as the
// model makes clear that no complete reply comes in it: after a short reply
// or none at once, before a late one.
inline FakeSerialPort::Responder promptModelResponder(std::shared_ptr<vexlor::sim::ControllerModel> model,
                                                      FakeSerialPort &port,
                                                      ManualReplyDeadline &deadline)
{
    auto answerOf = modelResponder(std::move(model));
    return [answerOf, &port, &deadline](const QByteArray &written) {
        std::optional<FakeSerialPort::Answer> answer = answerOf(written);
        const auto expire = [&deadline] { deadline.expire(); };
        if (!answer)
            return std::optional(FakeSerialPort::Answer{{}, 0, false, false, expire});
        if (answer->pullCable)
            return answer; // the loss itself ends the wait
        if (answer->delayMs > 0) {
            const QByteArray late = answer->bytes;
            return std::optional(FakeSerialPort::Answer{{}, 0, false, false, [&port, &deadline, late] {
                deadline.expire();
                port.receive(late);
            }});
        }
        if (answer->bytes.size() < vexlor::kReplySize)
            answer->then = expire;
        return answer;
    };
}
