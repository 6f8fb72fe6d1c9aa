#include "emulator.h"

#include "protocol/parameter_frame.h"

#include <QFile>

namespace vexlor::sim {

Emulator::Emulator(ControllerModel model, EmulatorTiming timing, QObject *parent)
    : QObject(parent)
    , m_model(std::move(model))
    , m_timing(timing)
{
    connect(&m_pty, &PseudoTerminal::bytesReceived, this, &Emulator::onBytes);
}

bool Emulator::start()
{
    return openDevice();
}

bool Emulator::openDevice()
{
    if (!m_pty.open())
        return false;
    if (!m_linkPath.isEmpty()) {
        (void)QFile::remove(m_linkPath);
        (void)QFile::link(m_pty.slavePath(), m_linkPath);
    }
    return true;
}

void Emulator::switchOff()
{
    m_answering = false;
    emit note(QStringLiteral("off"));
}

void Emulator::switchOn()
{
    m_model.replaceController();
    m_requestStartNs = -1;
    m_answering = true;
    emit note(QStringLiteral("on"));
}

void Emulator::unplug()
{
    if (!m_linkPath.isEmpty())
        (void)QFile::remove(m_linkPath);
    m_pty.hangUp();
    emit note(QStringLiteral("unplugged"));
}

bool Emulator::plug()
{
    m_pty.hangUp();
    m_model.replaceController();
    m_requestStartNs = -1;
    if (!openDevice())
        return false;
    emit note(QStringLiteral("plugged ") + m_pty.slavePath());
    return true;
}

void Emulator::onBytes(const QByteArray &bytes)
{
    if (!m_answering)
        return; // nobody at the other end of the cable
    const qint64 arrival = DeadlineTimer::now();
    emit received(bytes);
    if (m_requestStartNs < 0)
        m_requestStartNs = arrival;
    const QList<ModelAction> actions = m_model.feed(bytes);
    for (const ModelAction &action : actions)
        perform(action, m_requestStartNs);
    // Bytes left over start the next command now; none means none is pending.
    if (!actions.isEmpty())
        m_requestStartNs = -1;
}

void Emulator::perform(const ModelAction &action, qint64 requestStartNs)
{
    if (!action.note.isEmpty())
        emit note(action.note);
    if (action.kind == ModelAction::Kind::PullCable) {
        emit note(QStringLiteral("cable-pulled"));
        m_pty.hangUp();
        emit hungUp();
        return;
    }
    reply(action, requestStartNs);
}

void Emulator::reply(const ModelAction &action, qint64 requestStartNs)
{
    const bool whole = action.bytes.size() >= kReplySize && action.lateMs == 0;
    if (m_tellsUnanswered && !whole) {
        const QByteArray sent = action.lateMs == 0 ? action.bytes : QByteArray();
        const QString line = QStringLiteral("unanswered %1").arg(sent.size());
        const auto send = [this, sent, line] {
            m_pty.write(sent);
            emit note(line);
        };
        const qint64 due = sent.isEmpty() ? 0 : replyDue(action, requestStartNs);
        if (due <= 0)
            send();
        else
            m_timer.schedule(due, send);
        return;
    }
    if (action.bytes.isEmpty())
        return;
    const qint64 due = replyDue(action, requestStartNs);
    if (due <= 0) {
        m_pty.write(action.bytes);
        return;
    }
    const QByteArray bytes = action.bytes;
    m_timer.schedule(due, [this, bytes] { m_pty.write(bytes); });
}

qint64 Emulator::replyDue(const ModelAction &action, qint64 requestStartNs)
{
    const qint64 now = DeadlineTimer::now();
    if (!m_timing.paced && m_timing.latencyMs == 0 && action.lateMs == 0)
        return 0; // at once
    qint64 firstByte = now;
    qint64 lastByte = now;
    if (m_timing.paced) {
        // The command's last byte reaches the controller one wire time after
        // its first; the reply then takes its own wire time to arrive.
        const qint64 received = qMax(requestStartNs + action.requestLength * kByteTimeNs, now);
        const qint64 sending = qMax(received, m_wireFreeNs);
        firstByte = sending + kByteTimeNs;
        lastByte = sending + action.bytes.size() * kByteTimeNs;
        m_wireFreeNs = lastByte;
    }
    // The bridge chip passes the reply on when its latency timer, started by
    // the first byte, runs out (or once all of it is in, if that is later).
    const qint64 passedOn = qMax(lastByte, firstByte + qint64(m_timing.latencyMs) * 1'000'000);
    return passedOn + qint64(action.lateMs) * 1'000'000;
}

} // namespace vexlor::sim
