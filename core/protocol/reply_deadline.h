#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>

namespace vexlor {

// When a reply window closes that no complete reply has closed before. The
// tool's is a timer (ReplyTimer); a harness that plays the controller itself
// closes windows when its script says so, without real time passing.
class ReplyDeadline : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // A send opened the window (again: a new start replaces the old one).
    virtual void start() = 0;
    // The window closed before the deadline.
    virtual void stop() = 0;

signals:
    void expired();
};

// The controller's reply window: 100 ms from the send.
class ReplyTimer final : public ReplyDeadline {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kReplyWindow{100};

    explicit ReplyTimer(QObject *parent = nullptr);

    void start() override { m_timer.start(); }
    void stop() override { m_timer.stop(); }

private:
    QTimer m_timer;
};

} // namespace vexlor
