#include "reply_script.h"

namespace vexlor::fuzz {
namespace {

// Reads the fuzzer's bytes front to back; past the end everything is zero.
class ByteReader {
public:
    ByteReader(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}
    [[nodiscard]] bool atEnd() const { return m_pos >= m_size; }
    std::uint8_t next() { return m_pos < m_size ? m_data[m_pos++] : 0; }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

QByteArray reply(std::uint8_t status, std::uint8_t high, std::uint8_t low, std::uint8_t check)
{
    const char bytes[] = {char(status), char(high), char(low), char(check)};
    return QByteArray(bytes, 4);
}

QList<QByteArray> chunked(const QByteArray &bytes, int delivery)
{
    if (bytes.isEmpty())
        return {};
    switch (delivery) {
    case 1: {
        QList<QByteArray> chunks;
        for (const char c : bytes)
            chunks << QByteArray(1, c);
        return chunks;
    }
    case 2:
        if (bytes.size() > 2)
            return {bytes.left(2), bytes.mid(2)};
        return {bytes};
    case 3:
        if (bytes.size() > 1)
            return {bytes.left(1), bytes.mid(1)};
        return {bytes};
    default:
        return {bytes};
    }
}

// One segment: the operation's low three bits pick the reply, the next two
// how it is chunked, bit 6 adds noise and bit 7 pulls the cable after it.
ReplySegment decodeSegment(std::uint8_t op, ByteReader &in)
{
    QByteArray bytes;
    ReplySegment segment;
    switch (op & 7) {
    case 0: {
        const std::uint8_t high = in.next();
        const std::uint8_t low = in.next();
        bytes = reply(0x59, high, low, high ^ low);
        break;
    }
    case 1: {
        const std::uint8_t status = in.next();
        const std::uint8_t high = in.next();
        const std::uint8_t low = in.next();
        bytes = reply(status, high, low, high ^ low);
        break;
    }
    case 2: {
        const int length = in.next() & 15;
        for (int i = 0; i < length; ++i)
            bytes.append(char(in.next()));
        break;
    }
    case 3:
        break;
    case 4:
        bytes = reply(0x58, 0, 0, 0);
        break;
    case 5: {
        const std::uint8_t high = in.next();
        const std::uint8_t low = in.next();
        const std::uint8_t wrong = in.next() | 1;
        bytes = reply(0x59, high, low, high ^ low ^ wrong);
        break;
    }
    case 6: {
        const std::uint8_t high = in.next();
        const std::uint8_t low = in.next();
        bytes = reply(0x59, high, low, 0).left(3);
        break;
    }
    case 7:
        segment.pullCable = true;
        break;
    }
    segment.chunks = chunked(bytes, (op >> 3) & 3);
    if (op & 0x40)
        segment.chunks << QByteArray("\x00\xA5", 2);
    segment.pullCable = segment.pullCable || (op & 0x80);
    return segment;
}

} // namespace

QByteArray ReplySegment::bytes() const
{
    QByteArray all;
    for (const QByteArray &chunk : chunks)
        all += chunk;
    return all;
}

ReplyScript decodeReplyScript(const std::uint8_t *data, std::size_t size)
{
    ByteReader in(data, size);
    ReplyScript script;
    const std::uint8_t flags = in.next();
    script.mode = (flags & 1) ? TransactionMode::Write : TransactionMode::Read;
    quint16 seed = 0x5A17;
    if (flags & 2) {
        seed = quint16(in.next() << 8);
        seed |= in.next();
    }
    for (int i = 0; i < kProtocolItemCount; ++i)
        script.values[i] = quint16(seed ^ (i * 0x0F1D));

    // A transaction makes at most 60 x 5 + 1 sends; more segments are never used.
    constexpr int kMostSends = kProtocolItemCount * TransactionEngine::kMaxSendsPerFrame + 1;
    while (!in.atEnd() && script.segments.size() < kMostSends) {
        const std::uint8_t op = in.next();
        script.segments << decodeSegment(op, in);
    }
    return script;
}

QByteArray encodeReplyScript(bool write, const QList<ScriptOp> &ops)
{
    QByteArray bytes(1, char(write ? 1 : 0));
    for (const ScriptOp &op : ops) {
        bytes.append(char(op.op));
        bytes += op.operands;
    }
    return bytes;
}

} // namespace vexlor::fuzz
