#include "emulator.h"

namespace vexlor::sim {

Emulator::Emulator(ControllerModel model, bool paced, QObject *parent)
    : QObject(parent)
    , m_model(std::move(model))
    , m_paced(paced)
{
    connect(&m_pty, &PseudoTerminal::bytesReceived, this, &Emulator::onBytes);
}

bool Emulator::start()
{
    return m_pty.open();
}

void Emulator::onBytes(const QByteArray &bytes)
{
    const qint64 arrival = DeadlineTimer::now();
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
    if (action.bytes.isEmpty())
        return;

    qint64 due = DeadlineTimer::now();
    if (m_paced) {
        // The command's last byte reaches the controller one wire time after
        // its first; the reply then takes its own wire time to arrive.
        const qint64 received = qMax(requestStartNs + action.requestLength * kByteTimeNs, due);
        due = qMax(received, m_wireFreeNs) + action.bytes.size() * kByteTimeNs;
        m_wireFreeNs = due;
    }
    due += qint64(action.lateMs) * 1'000'000;
    if (!m_paced && action.lateMs == 0) {
        m_pty.write(action.bytes);
        return;
    }
    const QByteArray bytes = action.bytes;
    m_timer.schedule(due, [this, bytes] { m_pty.write(bytes); });
}

} // namespace vexlor::sim
