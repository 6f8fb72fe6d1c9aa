#pragma once

#include "reply_window.h"

#include "user_message.h"

#include <QObject>

#include <memory>

namespace vexlor {

// What the connection check found.
struct ConnectionCheckResult {
    bool ok = false;     // the reply's first byte was 0x59
    QString versionText; // "<byte 2>-<byte 3>" in decimal, "1-35"
    UserMessage message; // OK: question offering to read; else the error
};

// Judges the reply to the check frame: only the status byte decides; the
// version comes from whatever was captured (a short reply gives "1-0").
[[nodiscard]] ConnectionCheckResult judgeConnectionCheck(const CapturedReply &reply);

// Sends the check frame (read index 0) and waits for the reply, as a state of
// its own; ends in finished().
class ConnectionCheck : public QObject {
    Q_OBJECT
public:
    // `window` must outlive the check.
    explicit ConnectionCheck(ReplyWindow *window, QObject *parent = nullptr);
    ~ConnectionCheck() override;

    // False (and nothing sent) while this check runs.
    [[nodiscard]] bool start();
    [[nodiscard]] bool isRunning() const { return m_running; }
    // Stops waiting without finished() (the session is closing).
    void abandon();

signals:
    void started();
    // When result.ok and the user answers Yes, start a read transaction.
    void finished(const vexlor::ConnectionCheckResult &result);

private:
    void onReplyReady();
    void onLinkLost();
    void finish(const ConnectionCheckResult &result);

    ReplyWindow *m_window;
    bool m_running = false;
};

} // namespace vexlor
