#pragma once

// The reply window of a test over the emulator, closed by the emulator rather
// than by the clock: it stays open until the emulator says the command gets
// no whole reply (--tell-unanswered) and the bytes it did send have arrived,
// or the emulator is gone. However busy the machine, a reply is then never
// judged late, and a command left unanswered still ends its wait at once.
// Only a hang meets kHangMs.

#include "event_wait.h"
#include "sim_process.h"

#include "port/serial_port.h"
#include "protocol/reply_deadline.h"

#include <QPointer>
#include <QTimer>

class EmulatorReplyDeadline : public vexlor::ReplyDeadline {
public:
    // `port` is the one the tool reads the emulator's replies from. Set up
    // before sim.start().
    EmulatorReplyDeadline(SimProcess &sim, vexlor::SerialPort &port)
        : m_sim(&sim)
        , m_process(&sim.process)
    {
        sim.onUnanswered = [this](int sent) {
            m_told = true;
            m_sent = sent;
            closeIfDone();
        };
        connect(&sim.process, &QProcess::finished, this, &EmulatorReplyDeadline::closeIfDone);
        connect(&port, &vexlor::SerialPort::bytesReceived, this, [this](const QByteArray &bytes) {
            m_received += bytes.size();
            closeIfDone();
        });
        m_hang.setSingleShot(true);
        m_hang.setInterval(kHangMs);
        connect(&m_hang, &QTimer::timeout, this, [this] { close(m_window); });
    }
    ~EmulatorReplyDeadline() override
    {
        if (m_process)
            m_sim->onUnanswered = nullptr;
    }

    void start() override
    {
        ++m_window;
        m_running = true;
        m_told = false;
        m_received = 0;
        m_hang.start();
        closeIfDone();
    }
    void stop() override
    {
        m_running = false;
        m_hang.stop();
    }

private:
    [[nodiscard]] bool emulatorGone() const
    {
        return !m_process || m_process->state() == QProcess::NotRunning;
    }
    void closeIfDone()
    {
        if (!m_running || (!emulatorGone() && (!m_told || m_received < m_sent)))
            return;
        // Queued, so the reply window takes the last bytes before it closes.
        QMetaObject::invokeMethod(this, [this, window = m_window] { close(window); }, Qt::QueuedConnection);
    }
    void close(quint64 window)
    {
        if (!m_running || window != m_window)
            return;
        stop();
        emit expired();
    }

    SimProcess *m_sim;
    QPointer<QProcess> m_process; // null once the emulator's SimProcess is gone
    QTimer m_hang;
    quint64 m_window = 0; // windows opened so far: a late close never hits the next one
    bool m_running = false;
    bool m_told = false; // the emulator said this window's command gets no whole reply
    int m_sent = 0;      // and sent this many bytes of it
    int m_received = 0;  // bytes received since the window opened
};
