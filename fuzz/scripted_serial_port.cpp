#include "scripted_serial_port.h"

#include <cstdio>

namespace vexlor::fuzz {

ScriptedSerialPort::ScriptedSerialPort(QList<ReplySegment> segments, QObject *parent)
    : SerialPort(parent)
    , m_segments(std::move(segments))
{
}

bool ScriptedSerialPort::open(const QString &)
{
    m_open = true;
    return true;
}

void ScriptedSerialPort::write(const QByteArray &bytes)
{
    if (!m_open)
        return;
    // Whatever the previous window did not take never arrives: by the script's
    // meaning it belonged to that window.
    const ReplySegment segment = m_segments.value(m_writes.size());
    m_writes << bytes;
    if (trace)
        std::fprintf(stderr, "send %d: %s\n", int(m_writes.size() - 1), bytes.toHex(' ').constData());
    m_pending = segment.chunks;
    m_pullPending = segment.pullCable;
    if (!segment.insideWrite)
        return;
    if (!m_pending.isEmpty()) {
        deliver(m_pending.takeFirst(), "inside write");
    } else if (m_pullPending) {
        // The device goes away while the frame is being written.
        m_pullPending = false;
        pullCable();
    }
}

bool ScriptedSerialPort::deliverNextChunk()
{
    if (!m_open || m_pending.isEmpty())
        return false;
    deliver(m_pending.takeFirst(), "after write");
    return true;
}

void ScriptedSerialPort::deliver(const QByteArray &chunk, const char *when)
{
    if (trace)
        std::fprintf(stderr, "  %s: %s\n", when, chunk.toHex(' ').constData());
    emit bytesReceived(chunk);
}

bool ScriptedSerialPort::takeCablePull()
{
    const bool pull = m_pullPending;
    m_pullPending = false;
    return pull;
}

void ScriptedSerialPort::pullCable()
{
    if (trace)
        std::fprintf(stderr, "  cable pulled\n");
    m_open = false;
    emit resourceLost();
}

} // namespace vexlor::fuzz
