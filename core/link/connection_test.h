#pragma once

#include "controller_link.h"
#include "user_message.h"

#include <QObject>

namespace vexlor {

// What the connection test found.
struct ConnectionTestResult {
    bool ok = false;     // the reply's first byte was 0x59
    QString versionText; // "<byte 2>-<byte 3>" in decimal, "1-35"
    UserMessage message; // OK: question offering to read; else the error
};

// Judges the reply to the test frame: only the status byte decides; the
// version comes from whatever was captured (a short reply gives "1-0").
[[nodiscard]] ConnectionTestResult judgeConnectionTest(const LinkReply &reply);

// Sends the test frame (read index 0) and waits for the reply, as a state of
// its own; ends in finished().
class ConnectionTest : public QObject {
    Q_OBJECT
public:
    explicit ConnectionTest(ControllerLink *link, QObject *parent = nullptr);

    // False (and nothing sent) while this test or another exchange runs.
    [[nodiscard]] bool start();
    [[nodiscard]] bool isRunning() const { return m_running; }

signals:
    void started();
    // When result.ok and the user answers Yes, start a read transaction.
    void finished(const vexlor::ConnectionTestResult &result);

private:
    void onReplyReady();
    void onLinkLost();
    void finish(const ConnectionTestResult &result);

    ControllerLink *m_link;
    bool m_running = false;
};

} // namespace vexlor
