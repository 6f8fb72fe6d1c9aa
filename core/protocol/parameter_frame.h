#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

#include <array>

namespace vexlor {

// The command letter of a parameter frame.
enum class FrameCommand : char {
    Read = 'R',  // 0x52
    Write = 'S', // 0x53
};

inline constexpr int kParameterFrameSize = 9;
inline constexpr int kReplySize = 4;

// A reply's first byte: the frame was accepted, or the store command succeeded.
inline constexpr quint8 kFrameAcceptedStatus = 0x59;
inline constexpr quint8 kStoreAcceptedStatus = 0x58;

// The 2nd, 3rd and 4th reply bytes as the link captured them: value high,
// value low, and their XOR as the value check.
using ReplyBytes = std::array<quint8, 3>;

// P, command letter, 0x0F, index, value high, value low, XOR of those six, CR, LF.
[[nodiscard]] QByteArray buildParameterFrame(FrameCommand command, int index, quint16 value);

// "PW\r\n": tells the controller to store what it was sent.
[[nodiscard]] QByteArray storeCommand();

// The read frame of index 0 with the value 256; its reply carries the version.
[[nodiscard]] QByteArray connectionTestFrame();

// True when the reply's first byte is `expected`; an empty reply never matches.
[[nodiscard]] bool replyStatusIs(QByteArrayView reply, quint8 expected);

// True when the captured value check equals value high XOR value low.
[[nodiscard]] bool replyValueIsValid(const ReplyBytes &bytes);

// Value high x 256 + value low.
[[nodiscard]] quint16 replyValue(const ReplyBytes &bytes);

} // namespace vexlor
