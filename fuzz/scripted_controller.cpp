#include "scripted_controller.h"

#include <cstdio>

namespace vexlor::fuzz {

ScriptedController::ScriptedController(QList<ReplySegment> segments, FakeSerialPort &port)
    : m_segments(std::move(segments))
    , m_port(port)
{
}

void ScriptedController::noteSends()
{
    const qsizetype sends = m_port.writes.size();
    if (sends == m_sends)
        return;
    m_sends = sends;
    if (trace)
        std::fprintf(stderr, "send %d: %s\n", int(sends - 1),
                     m_port.writes.last().toHex(' ').constData());
    const ReplySegment segment = m_segments.value(sends - 1);
    m_pending = segment.chunks;
    m_pullPending = segment.pullCable;
}

bool ScriptedController::deliverNextChunk()
{
    if (!m_port.isOpen() || m_pending.isEmpty())
        return false;
    const QByteArray chunk = m_pending.takeFirst();
    if (trace)
        std::fprintf(stderr, "  chunk: %s\n", chunk.toHex(' ').constData());
    m_port.receive(chunk);
    return true;
}

bool ScriptedController::takeCablePull()
{
    const bool pull = m_pullPending;
    m_pullPending = false;
    if (pull && trace)
        std::fprintf(stderr, "  cable pulled\n");
    return pull;
}

} // namespace vexlor::fuzz
