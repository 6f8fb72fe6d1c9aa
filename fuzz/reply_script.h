#pragma once

#include "params/parameter_table.h"
#include "protocol/transaction_engine.h"

#include <QByteArray>
#include <QList>

#include <array>
#include <cstddef>
#include <cstdint>

namespace vexlor::fuzz {

// What arrives on the wire after one send, until its reply window closes.
struct ReplySegment {
    QList<QByteArray> chunks; // one bytesReceived() each, in order
    bool pullCable = false;   // after the chunks the device goes away (if the window is still open)

    [[nodiscard]] QByteArray bytes() const;
};

// A transaction as the fuzzer scripts it: the mode, the sixty values sent,
// and the controller's side, one segment per send. Sends past the last
// segment get silence.
struct ReplyScript {
    TransactionMode mode = TransactionMode::Read;
    std::array<quint16, kProtocolItemCount> values{};
    QList<ReplySegment> segments;

    [[nodiscard]] ReplySegment segment(qsizetype send) const { return segments.value(send); }
};

// Turns fuzzer bytes into a script. Byte 0: bit 0 write mode, bit 1 two bytes
// of value seed follow. Then one segment per op byte:
//   bits 0-2 what: 0 good reply (hi, lo follow), 1 reply with a given status
//            (status, hi, lo follow), 2 raw bytes (length & 15, then bytes),
//            3 silence, 4 store acknowledged (0x58 0 0 0), 5 bad value check
//            (hi, lo, x follow), 6 short reply (hi, lo follow), 7 cable pulled
//   bits 3-4 delivery: whole, byte by byte, split after two, first byte alone
//   bit 5    unused (it once made the first chunk arrive inside write(),
//            which no port does)
//   bit 6    two stray bytes (0x00 0xA5) follow in a chunk of their own
//   bit 7    the cable is pulled after the bytes
// Missing bytes at the end read as zero.
[[nodiscard]] ReplyScript decodeReplyScript(const std::uint8_t *data, std::size_t size);

// The inverse for the seed corpus: one op byte and its operands per segment.
struct ScriptOp {
    std::uint8_t op = 3;
    QByteArray operands;
};
[[nodiscard]] QByteArray encodeReplyScript(bool write, const QList<ScriptOp> &ops);

} // namespace vexlor::fuzz
