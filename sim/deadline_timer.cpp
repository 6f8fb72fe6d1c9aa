#include "deadline_timer.h"

#include <QSocketNotifier>

#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

namespace vexlor::sim {

DeadlineTimer::DeadlineTimer(QObject *parent)
    : QObject(parent)
{
    m_fd = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_fd < 0)
        return;
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &DeadlineTimer::onExpired);
}

DeadlineTimer::~DeadlineTimer()
{
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

qint64 DeadlineTimer::now()
{
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

void DeadlineTimer::schedule(qint64 deadlineNs, std::function<void()> action)
{
    m_pending.emplace(deadlineNs, std::move(action));
    arm();
}

void DeadlineTimer::arm()
{
    itimerspec setting{};
    if (!m_pending.empty()) {
        // A zero time would disarm the timer; a deadline in the past fires at once.
        const qint64 deadline = qMax<qint64>(m_pending.begin()->first, 1);
        setting.it_value.tv_sec = time_t(deadline / 1'000'000'000);
        setting.it_value.tv_nsec = long(deadline % 1'000'000'000);
    }
    ::timerfd_settime(m_fd, TFD_TIMER_ABSTIME, &setting, nullptr);
}

void DeadlineTimer::onExpired()
{
    quint64 expirations = 0;
    (void)::read(m_fd, &expirations, sizeof expirations);
    const qint64 current = now();
    while (!m_pending.empty() && m_pending.begin()->first <= current) {
        auto action = std::move(m_pending.begin()->second);
        m_pending.erase(m_pending.begin());
        action();
    }
    arm();
}

} // namespace vexlor::sim
