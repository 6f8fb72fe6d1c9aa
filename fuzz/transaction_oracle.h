#pragma once

#include "reply_script.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace vexlor::fuzz {

// What a correct judge concludes from a scripted transaction, worked out from
// the bytes alone: it builds its own frames, takes the first four bytes that
// arrived after each send as the reply, and applies the protocol's rules
// (status 0x59, value check, five sends per frame at most, store answered
// with 0x58). It shares no code with the engine beyond the script.
struct ExpectedTransaction {
    bool passed = false;
    bool stored = false;
    bool opensGuide = false;
    int acceptedFrames = 0;
    QString message;
    QList<QByteArray> writes;                // every frame and the store, in order
    QList<QPair<int, quint16>> decoded;      // read: index and value of each accepted reply
};

[[nodiscard]] ExpectedTransaction judgeTransaction(const ReplyScript &script);

} // namespace vexlor::fuzz
