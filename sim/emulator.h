#pragma once

#include "controller_model.h"
#include "deadline_timer.h"
#include "pseudo_terminal.h"

#include <QObject>
#include <QTextStream>

namespace vexlor::sim {

// When the emulator's replies reach the tool.
struct EmulatorTiming {
    // At the real wire time of 9600 baud (10 bits a byte), not at once.
    bool paced = false;
    // Each reply held until this long after its first byte, as a cable's
    // USB bridge chip holds a short reply until its latency timer runs out
    // (16 ms unless the driver asks for less); 0 passes it on at once.
    int latencyMs = 0;
};

// The controller emulator: the model behind a pseudo-terminal, answering as
// its timing says.
class Emulator : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kByteTimeNs = 1'000'000'000LL * 10 / 9600;

    Emulator(ControllerModel model, EmulatorTiming timing, QObject *parent = nullptr);

    // Opens the pseudo-terminal; false with the reason in errorText().
    [[nodiscard]] bool start();
    [[nodiscard]] QString devicePath() const { return m_pty.slavePath(); }
    [[nodiscard]] QString errorText() const { return m_pty.errorText(); }
    // Notes "unanswered N" for every command that gets no whole reply in the
    // tool's reply window (none, a short one, a late one; N: the bytes sent,
    // noted after they were written) and leaves late replies out: a test
    // then closes the tool's window when told instead of by the clock.
    void tellUnanswered() { m_tellsUnanswered = true; }
    // A link at `path` to the device, made by start() and plug(), removed by
    // unplug(), as udev keeps a cable's link under /dev/serial: a tool
    // pointed at it finds the port gone and back.
    void linkDeviceAt(const QString &path) { m_linkPath = path; }

    // What a bench does between bikes, each noted on stdout ("off", ...):
    // the controller switched off or its plug pulled (the port stays and
    // nothing answers), another bike's controller switched on (it holds
    // the starting values), the cable pulled from the computer (the port
    // goes away) and plugged in again (a new device, at the link).
    void switchOff();
    void switchOn();
    void unplug();
    [[nodiscard]] bool plug();

signals:
    // A line for stdout: "write 5 250", "store", "cable-pulled".
    void note(const QString &line);
    // Bytes the tool sent, as they arrived.
    void received(const QByteArray &bytes);
    // The cable was pulled: the emulator is done.
    void hungUp();

private:
    void onBytes(const QByteArray &bytes);
    void perform(const ModelAction &action, qint64 requestStartNs);
    void reply(const ModelAction &action, qint64 requestStartNs);
    [[nodiscard]] qint64 replyDue(const ModelAction &action, qint64 requestStartNs);
    [[nodiscard]] bool openDevice();

    ControllerModel m_model;
    EmulatorTiming m_timing;
    PseudoTerminal m_pty;
    DeadlineTimer m_timer;
    qint64 m_requestStartNs = -1; // arrival of the first byte of the command being received
    qint64 m_wireFreeNs = 0;      // when the emulator's transmit line is free again
    bool m_tellsUnanswered = false;
    bool m_answering = true;
    QString m_linkPath;
};

} // namespace vexlor::sim
