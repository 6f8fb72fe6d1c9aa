#pragma once

#include "protocol/connection_check.h"

#include <QObject>
#include <QTimer>

namespace vexlor {
class ControllerSession;
}

namespace vexlor::cli {

// Whether a controller answers at the session's port, found by asking
// again and again with the connection test frame, the cheapest exchange a
// controller answers (13 bytes, 14 ms on the wire; an ask nobody answers
// costs the reply window). While the port is closed the session starts up
// again, as at the program's start, so that a cable pulled from the
// computer and plugged in again is opened again. Unplugged cable,
// controller switched off or its plug pulled: all are silence.
class ControllerPresence : public QObject {
    Q_OBJECT
public:
    // Between one ask and the next: none, so the line notices a bike coming
    // or going as soon as an ask can tell; each ask waits for its reply, or
    // for the reply window to close, on the event loop.
    static constexpr int kAskGapMs = 0;
    // Between looks for a port that is not there (each reads the port list
    // afresh; a cable takes longer to come up after it is plugged in).
    static constexpr int kPortLookGapMs = 500;

    // `session` must outlive this; it is started up where the port is closed.
    explicit ControllerPresence(ControllerSession &session, QObject *parent = nullptr);

    // answered() once a controller answers an ask.
    void awaitAnswer();
    // silent() once an ask gets no answer, or the port is gone.
    void awaitSilence();
    // No more asks; an ask under way ends unheard.
    void stop() { m_awaiting = Awaiting::Nothing; }

signals:
    void answered();
    void silent();

private:
    enum class Awaiting { Nothing, Answer, Silence };

    void await(Awaiting what);
    void ask();
    void onChecked(const ConnectionCheckResult &result);
    void heard(bool answers, int gapMs);

    ControllerSession &m_session;
    Awaiting m_awaiting = Awaiting::Nothing;
    bool m_asking = false; // a check of ours runs
    QTimer m_gap;
};

} // namespace vexlor::cli
