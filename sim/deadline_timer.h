#pragma once

#include <QObject>

#include <functional>
#include <map>

class QSocketNotifier;

namespace vexlor::sim {

// Runs callbacks at absolute monotonic times with sub-millisecond precision
// (a timerfd watched by the event loop), so paced replies keep the real wire
// time instead of whole milliseconds.
class DeadlineTimer : public QObject {
    Q_OBJECT
public:
    explicit DeadlineTimer(QObject *parent = nullptr);
    ~DeadlineTimer() override;

    [[nodiscard]] bool isValid() const { return m_fd >= 0; }
    // Nanoseconds on the monotonic clock.
    [[nodiscard]] static qint64 now();
    void schedule(qint64 deadlineNs, std::function<void()> action);

private:
    void arm();
    void onExpired();

    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    std::multimap<qint64, std::function<void()>> m_pending;
};

} // namespace vexlor::sim
