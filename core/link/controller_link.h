#pragma once

#include "serial_port.h"

#include "protocol/parameter_frame.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

namespace vexlor {

// The reply to the last send, as judged by the callers.
struct LinkReply {
    QByteArray hexText; // first four bytes as upper-case hex (ReplyHexText)
    ReplyBytes bytes{}; // 2nd, 3rd and 4th byte as captured (ReplyBytes)
    bool complete = false; // all four bytes arrived within the reply window

    [[nodiscard]] bool statusIs(QByteArrayView expected) const
    {
        return replyStatusIs(hexText, expected);
    }
    // The value check. A reply that did not arrive whole never passes: its
    // third capture would be left over from an earlier reply.
    [[nodiscard]] bool valueIsValid() const { return complete && replyValueIsValid(bytes); }
    [[nodiscard]] quint16 value() const { return replyValue(bytes); }
};

// The one serial connection to the controller. Gathers every byte received
// since the last send as hexadecimal text, captures the 2nd to 4th reply
// bytes, and waits for a reply as a state of its own (no loop): a send starts
// the wait, which ends when four bytes are in or 100 ms after the send, with
// replyReady().
class ControllerLink : public QObject {
    Q_OBJECT
public:
    static constexpr int kReplyWindowMs = 100;
    static constexpr int kReplyHexLength = 2 * kReplySize;

    // Takes ownership of `port`.
    explicit ControllerLink(SerialPort *port, QObject *parent = nullptr);

    // The device path the link uses (the port number of old); empty for none.
    // It keeps its value when opening fails.
    [[nodiscard]] QString portPath() const { return m_portPath; }
    void setPortPath(const QString &path) { m_portPath = path; }

    // Opens `path` (closing whatever was open); false on any failure, with the
    // reason in openError(). Does not change portPath().
    [[nodiscard]] bool openPort(const QString &path);
    void closePort();
    [[nodiscard]] bool isOpen() const;
    [[nodiscard]] SerialPort::OpenError openError() const { return m_port->openError(); }

    // Clears the reply state, writes `bytes` and starts the reply wait; ends
    // in replyReady(). A send on a closed port is simply not answered. A send
    // while a wait runs restarts the wait for the new bytes.
    void sendAndAwait(const QByteArray &bytes);
    [[nodiscard]] bool isAwaiting() const { return m_awaiting; }
    // Ends a running reply wait now, as if the window had passed. For
    // harnesses that drive time themselves (the fuzzer, the soak test)
    // instead of waiting 100 ms per silent reply.
    void expireReplyWindow();

    [[nodiscard]] const QByteArray &receiveHexText() const { return m_receiveHexText; }
    [[nodiscard]] const QByteArray &replyHexText() const { return m_replyHexText; }
    [[nodiscard]] const ReplyBytes &replyBytes() const { return m_replyBytes; }
    // Whether four reply bytes have arrived since the last send.
    [[nodiscard]] bool replyComplete() const { return m_receiveHexText.size() >= kReplyHexLength; }
    // The reply as it stood when the last wait ended (what replyReady() announced).
    [[nodiscard]] const LinkReply &reply() const { return m_lastReply; }

signals:
    // The reply wait is over: four bytes are in, or the window has passed.
    void replyReady();
    // The device went away under an open port; the port is closed, and a
    // running reply wait is abandoned without replyReady().
    void linkLost();

private:
    void onBytesReceived(const QByteArray &bytes);
    void onResourceLost();
    void finishAwait();

    SerialPort *m_port;
    QString m_portPath;
    QByteArray m_receiveHexText;
    QByteArray m_replyHexText;
    ReplyBytes m_replyBytes{};
    LinkReply m_lastReply;
    QTimer m_replyTimer;
    bool m_awaiting = false;
    bool m_writing = false;
    quint64 m_exchange = 0; // counts sends, to tell a deferred finish of an old wait
};

} // namespace vexlor
