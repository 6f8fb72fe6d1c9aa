#pragma once

#include "params/parameter_table.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <array>

namespace vexlor::sim {

// Faults the emulator can inject, to show how the tool copes.
enum class FaultKind {
    None,
    NoReply,      // the frame is not answered
    BadCheck,     // the value check byte is wrong
    BadStatus,    // the first byte is not 0x59
    ShortReply,   // only status, value high and value low: no check byte
    ExtraBytes,   // the reply is followed by two stray bytes
    LateReply,    // the reply comes 150 ms late, after the tool's reply window
    NoStoreReply, // the store command is not answered
    CablePulled,  // the port closes as the frame arrives
    KeepsOldValue, // a write of the index is answered, but the controller keeps (and
                   // answers with) the value it held, as one that holds to its own limits
};

// Which frame a fault hits: the parameter frame of protocol index `atFrame`,
// the first time only or every time (KeepsOldValue: its write frames only),
// after letting it pass `passes` times (so a write's backup read, or the write
// itself, goes through before the fault hits).
struct FaultPlan {
    FaultKind kind = FaultKind::None;
    int atFrame = 0;
    bool always = false;
    int passes = 0;
};

[[nodiscard]] bool parseFaultKind(const QString &name, FaultKind *kind);
[[nodiscard]] QStringList faultKindNames();

// What the emulator does in answer to one complete command.
struct ModelAction {
    enum class Kind { Reply, PullCable };
    Kind kind = Kind::Reply;
    QByteArray bytes;       // the reply (Reply)
    int requestLength = 0;  // bytes of the command answered, for wire-time pacing
    int lateMs = 0;         // extra delay of a late reply
    QString note;           // a line for the emulator's stdout ("write 5 250", "kept 29 100", "store"), or empty
};

// The controller as the protocol sees it: frames its input by length, holds
// sixty values and a version, answers read, write and store commands, and
// injects the planned fault. Pure logic; the emulator puts a pseudo-terminal
// around it and tests drive it directly.
class ControllerModel {
public:
    static constexpr int kLateReplyMs = 150;
    static constexpr quint8 kFrameAccepted = 0x59;
    static constexpr quint8 kStoreAccepted = 0x58;
    static constexpr quint8 kBadStatus = 0x15;

    ControllerModel(const std::array<quint16, kProtocolItemCount> &values, quint8 versionMajor,
                    quint8 versionMinor, FaultPlan fault = {});

    // Takes received bytes (any split) and returns what to do for each
    // command they complete. Bytes that cannot start a command are dropped
    // one at a time until a command lines up again.
    [[nodiscard]] QList<ModelAction> feed(QByteArrayView bytes);

    [[nodiscard]] const std::array<quint16, kProtocolItemCount> &values() const { return m_values; }
    // Another bike's controller on the same cable: it holds the values this
    // one started with. A fault planned for a later frame still comes (so a
    // test can give one bike of several the fault); the input is dropped.
    void replaceController();
    [[nodiscard]] int storeCount() const { return m_storeCount; }
    [[nodiscard]] int droppedBytes() const { return m_dropped; }

    // The four reply bytes for a value: 0x59, high, low, high XOR low.
    [[nodiscard]] static QByteArray valueReply(quint16 value);

private:
    [[nodiscard]] bool faultHits(int index, bool write);
    [[nodiscard]] ModelAction answerFrame(QByteArrayView frame);
    [[nodiscard]] ModelAction answerStore();

    std::array<quint16, kProtocolItemCount> m_values;
    std::array<quint16, kProtocolItemCount> m_startValues;
    quint8 m_versionMajor;
    quint8 m_versionMinor;
    FaultPlan m_fault;
    bool m_faultUsed = false;
    int m_passesLeft = 0;
    QByteArray m_input;
    int m_storeCount = 0;
    int m_dropped = 0;
};

} // namespace vexlor::sim
