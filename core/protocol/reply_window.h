#pragma once

#include "parameter_frame.h"
#include "reply_deadline.h"

#include "port/controller_link.h"

#include <QByteArray>
#include <QObject>

namespace vexlor {

// The reply to one send, as the callers judge it.
struct CapturedReply {
    QByteArray received;   // the first four bytes since the send, or what came of them
    ReplyBytes bytes{};    // 2nd, 3rd and 4th byte as captured (ReplyBytes)
    bool complete = false; // all four bytes arrived within the reply window

    [[nodiscard]] bool statusIs(quint8 expected) const { return replyStatusIs(received, expected); }
    // The value check. A reply that did not arrive whole never passes: its
    // third capture would be left over from an earlier reply.
    [[nodiscard]] bool valueIsValid() const { return complete && replyValueIsValid(bytes); }
    [[nodiscard]] quint16 value() const { return replyValue(bytes); }
};

// One send and its reply, as a state of its own (no loop): keeps the first
// four bytes received since the last send (later ones are ignored, so nothing
// grows between sends), captures the 2nd to 4th of them, and ends the wait
// when four bytes are in or the deadline has passed, with replyReady().
class ReplyWindow : public QObject {
    Q_OBJECT
public:
    // Neither is owned; both must outlive the window.
    ReplyWindow(ControllerLink *link, ReplyDeadline *deadline, QObject *parent = nullptr);

    // Clears the reply state, sends `bytes` and starts the wait; ends in
    // replyReady() or, when the port goes away first, linkLost(). A send while
    // a wait runs restarts the wait for the new bytes.
    void sendAndAwait(const QByteArray &bytes);
    // Ends a running wait without a signal (the session is closing).
    void abandon();
    // Closes later windows by `deadline` instead (not owned; it must outlive
    // the window): for a harness that knows when no reply comes. Not while a
    // wait runs.
    void setDeadline(ReplyDeadline *deadline);
    [[nodiscard]] bool isAwaiting() const { return m_awaiting; }

    // The bytes received since the last send, the first four at most.
    [[nodiscard]] const QByteArray &received() const { return m_received; }
    [[nodiscard]] const ReplyBytes &replyBytes() const { return m_replyBytes; }
    // Whether four reply bytes have arrived since the last send.
    [[nodiscard]] bool replyComplete() const { return m_received.size() >= kReplySize; }
    // The reply as it stood when the last wait ended (what replyReady() announced).
    [[nodiscard]] const CapturedReply &reply() const { return m_lastReply; }

signals:
    // The wait is over: four bytes are in, or the deadline has passed.
    void replyReady();
    // The port went away during the wait, which is abandoned without replyReady().
    void linkLost();

private:
    void onBytesReceived(const QByteArray &bytes);
    void onLinkLost();
    void finishAwait();
    void onDeadlineExpired();

    ControllerLink *m_link;
    ReplyDeadline *m_deadline;
    QByteArray m_received;
    ReplyBytes m_replyBytes{};
    CapturedReply m_lastReply;
    bool m_awaiting = false;
};

} // namespace vexlor
