#include "parameter_frame.h"

#include "params/parameter_table.h"

namespace vexlor {

QByteArray buildParameterFrame(FrameCommand command, int index, quint16 value)
{
    QByteArray frame(kParameterFrameSize, '\0');
    frame[0] = 'P';
    frame[1] = char(command);
    frame[2] = char(0x0F);
    frame[3] = char(quint8(index));
    frame[4] = char(value >> 8);
    frame[5] = char(value & 0xFF);
    quint8 check = 0;
    for (int i = 0; i < 6; ++i)
        check ^= quint8(frame[i]);
    frame[6] = char(check);
    // The end is fixed by the length, not by the line end: the check byte may be CR or LF.
    frame[7] = '\r';
    frame[8] = '\n';
    return frame;
}

QByteArray storeCommand()
{
    return QByteArrayLiteral("PW\r\n");
}

QByteArray connectionTestFrame()
{
    return buildParameterFrame(FrameCommand::Read, 0, parameterAt(0).fixedValue);
}

bool replyStatusIs(QByteArrayView reply, quint8 expected)
{
    return !reply.isEmpty() && quint8(reply.front()) == expected;
}

bool replyValueIsValid(const ReplyBytes &bytes)
{
    return quint8(bytes[0] ^ bytes[1]) == bytes[2];
}

quint16 replyValue(const ReplyBytes &bytes)
{
    return quint16(bytes[0] * 256 + bytes[1]);
}

} // namespace vexlor
