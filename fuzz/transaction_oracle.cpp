#include "transaction_oracle.h"

namespace vexlor::fuzz {
namespace {

constexpr int kFrames = 60;
constexpr int kMaxSends = 5;

QByteArray frame(bool write, int index, quint16 value)
{
    QByteArray f;
    f.append('P');
    f.append(write ? 'S' : 'R');
    f.append(char(0x0F));
    f.append(char(index));
    f.append(char(value >> 8));
    f.append(char(value & 0xFF));
    char check = 0;
    for (const char c : f)
        check ^= c;
    f.append(check);
    f.append("\r\n");
    return f;
}

// The reply to one send: the first four bytes that arrived in its window.
struct Reply {
    QByteArray bytes;
    bool linkLost = false;

    [[nodiscard]] bool statusIs(quint8 status) const
    {
        return !bytes.isEmpty() && quint8(bytes[0]) == status;
    }
    [[nodiscard]] bool valueChecks() const
    {
        return bytes.size() == 4 && quint8(bytes[1] ^ bytes[2]) == quint8(bytes[3]);
    }
    [[nodiscard]] quint16 value() const { return quint16(quint8(bytes[1]) << 8 | quint8(bytes[2])); }
};

Reply replyTo(const ReplySegment &segment)
{
    Reply r;
    r.bytes = segment.bytes().left(4);
    // A cable pulled after a complete reply comes too late to matter.
    r.linkLost = segment.pullCable && r.bytes.size() < 4;
    return r;
}

ExpectedTransaction failedAt(ExpectedTransaction e, int accepted)
{
    e.acceptedFrames = accepted;
    e.message = accepted == 0 ? QStringLiteral("Communication with controller failed!")
                              : QStringLiteral("Communication with controller interrupted!");
    return e;
}

} // namespace

ExpectedTransaction judgeTransaction(const ReplyScript &script)
{
    const bool write = script.mode == TransactionMode::Write;
    ExpectedTransaction e;
    qsizetype send = 0;
    int k = 0;
    int sendsOfFrame = 0;
    while (k < kFrames) {
        e.writes << frame(write, k, script.values[k]);
        ++sendsOfFrame;
        const Reply r = replyTo(script.segment(send++));
        if (r.linkLost || !r.statusIs(0x59))
            return failedAt(e, k);
        if (r.valueChecks()) {
            if (!write)
                e.decoded << qMakePair(k, r.value());
            ++k;
            sendsOfFrame = 0;
        } else if (sendsOfFrame == kMaxSends) {
            return failedAt(e, k);
        }
    }
    e.acceptedFrames = kFrames;
    if (!write) {
        e.passed = true;
        e.message = QStringLiteral("Configuration of the controller was read successfully.");
        return e;
    }
    e.writes << QByteArrayLiteral("PW\r\n");
    const Reply r = replyTo(script.segment(send));
    if (r.linkLost)
        return failedAt(e, kFrames);
    if (r.statusIs(0x58)) {
        e.passed = true;
        e.stored = true;
        e.message = QStringLiteral("Configuration of the controller was written successfully.");
        return e;
    }
    e.opensGuide = true;
    e.message = QStringLiteral(
        "This error may be caused by controller MCU flash write protection. Please re-program .hex "
        "file to the controller with the write option bytes. Read Page 7 of "
        "ST-LINK_Installation_EN.pdf");
    return e;
}

} // namespace vexlor::fuzz
