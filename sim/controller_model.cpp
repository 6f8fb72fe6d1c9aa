#include "controller_model.h"

#include "protocol/parameter_frame.h"

#include <utility>

namespace vexlor::sim {
namespace {

constexpr std::pair<const char *, FaultKind> kFaultNames[] = {
    {"no-reply", FaultKind::NoReply},         {"bad-check", FaultKind::BadCheck},
    {"bad-status", FaultKind::BadStatus},     {"short-reply", FaultKind::ShortReply},
    {"extra-bytes", FaultKind::ExtraBytes},   {"late-reply", FaultKind::LateReply},
    {"no-store-reply", FaultKind::NoStoreReply}, {"cable-pulled", FaultKind::CablePulled},
    {"keeps-old-value", FaultKind::KeepsOldValue},
};

constexpr int kStoreLength = 4;

} // namespace

bool parseFaultKind(const QString &name, FaultKind *kind)
{
    for (const auto &[text, value] : kFaultNames) {
        if (name == QLatin1String(text)) {
            *kind = value;
            return true;
        }
    }
    return false;
}

QStringList faultKindNames()
{
    QStringList names;
    for (const auto &entry : kFaultNames)
        names << QString::fromLatin1(entry.first);
    return names;
}

ControllerModel::ControllerModel(const std::array<quint16, kProtocolItemCount> &values,
                                 quint8 versionMajor, quint8 versionMinor, FaultPlan fault)
    : m_values(values)
    , m_startValues(values)
    , m_versionMajor(versionMajor)
    , m_versionMinor(versionMinor)
    , m_fault(fault)
    , m_passesLeft(fault.passes)
{
}

void ControllerModel::replaceController()
{
    m_values = m_startValues;
    m_input.clear();
}

QByteArray ControllerModel::valueReply(quint16 value)
{
    const auto high = quint8(value >> 8);
    const auto low = quint8(value & 0xFF);
    QByteArray reply(kReplySize, '\0');
    reply[0] = char(kFrameAccepted);
    reply[1] = char(high);
    reply[2] = char(low);
    reply[3] = char(high ^ low);
    return reply;
}

QList<ModelAction> ControllerModel::feed(QByteArrayView bytes)
{
    m_input.append(bytes.data(), bytes.size());
    QList<ModelAction> actions;
    while (!m_input.isEmpty()) {
        if (m_input[0] != 'P') {
            m_input.remove(0, 1);
            ++m_dropped;
            continue;
        }
        if (m_input.size() < 2)
            break;
        const char command = m_input[1];
        if (command == 'W') {
            if (m_input.size() < kStoreLength)
                break;
            if (m_input.startsWith(storeCommand())) {
                actions.append(answerStore());
                m_input.remove(0, kStoreLength);
                continue;
            }
        } else if (command == char(FrameCommand::Read) || command == char(FrameCommand::Write)) {
            if (m_input.size() < kParameterFrameSize)
                break;
            const QByteArrayView frame(m_input.constData(), kParameterFrameSize);
            const int index = quint8(frame[3]);
            const quint16 value = quint16(quint8(frame[4]) << 8 | quint8(frame[5]));
            if (index < kProtocolItemCount
                && frame == QByteArrayView(buildParameterFrame(FrameCommand(command), index, value))) {
                actions.append(answerFrame(frame));
                m_input.remove(0, kParameterFrameSize);
                continue;
            }
        }
        // Not a command after all: resynchronise on the next byte.
        m_input.remove(0, 1);
        ++m_dropped;
    }
    return actions;
}

bool ControllerModel::faultHits(int index, bool write)
{
    if (m_fault.kind == FaultKind::None || m_fault.kind == FaultKind::NoStoreReply
        || index != m_fault.atFrame)
        return false;
    if (m_fault.kind == FaultKind::KeepsOldValue && !write)
        return false; // reads tell what is held; only a write can be refused
    if (m_passesLeft > 0) {
        --m_passesLeft;
        return false;
    }
    if (m_fault.always)
        return true;
    if (m_faultUsed)
        return false;
    m_faultUsed = true;
    return true;
}

ModelAction ControllerModel::answerFrame(QByteArrayView frame)
{
    const bool write = frame[1] == char(FrameCommand::Write);
    const int index = quint8(frame[3]);
    const quint16 sent = quint16(quint8(frame[4]) << 8 | quint8(frame[5]));

    ModelAction action;
    action.requestLength = kParameterFrameSize;
    const bool fault = faultHits(index, write);
    if (fault && m_fault.kind == FaultKind::CablePulled) {
        action.kind = ModelAction::Kind::PullCable;
        return action;
    }
    if (fault && m_fault.kind == FaultKind::NoReply)
        return action; // a Reply with no bytes

    quint16 answer;
    if (index == 0) {
        // Item 0 carries the software version; it is never overwritten.
        answer = quint16(m_versionMajor << 8 | m_versionMinor);
    } else {
        if (write && fault && m_fault.kind == FaultKind::KeepsOldValue) {
            action.note = QStringLiteral("kept %1 %2").arg(index).arg(m_values[index]);
        } else if (write) {
            m_values[index] = sent;
            action.note = QStringLiteral("write %1 %2").arg(index).arg(sent);
        }
        answer = m_values[index];
    }
    action.bytes = valueReply(answer);
    if (!fault)
        return action;
    switch (m_fault.kind) {
    case FaultKind::BadCheck:
        action.bytes[3] = char(quint8(action.bytes[3]) ^ 0xFF);
        break;
    case FaultKind::BadStatus:
        action.bytes[0] = char(kBadStatus);
        break;
    case FaultKind::ShortReply:
        action.bytes.chop(1);
        break;
    case FaultKind::ExtraBytes:
        action.bytes.append("\x00\xA5", 2);
        break;
    case FaultKind::LateReply:
        action.lateMs = kLateReplyMs;
        break;
    default:
        break;
    }
    return action;
}

ModelAction ControllerModel::answerStore()
{
    ModelAction action;
    action.requestLength = kStoreLength;
    if (m_fault.kind == FaultKind::NoStoreReply)
        return action;
    ++m_storeCount;
    action.note = QStringLiteral("store");
    action.bytes = QByteArray("\x58\x00\x00\x00", kReplySize);
    return action;
}

} // namespace vexlor::sim
