#include "widened_reply_window.h"

#include <QTimer>

namespace vexlor {
namespace {

class WidenedReplyTimer final : public ReplyDeadline {
public:
    explicit WidenedReplyTimer(int windowMs)
    {
        m_timer.setSingleShot(true);
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(windowMs);
        connect(&m_timer, &QTimer::timeout, this, &ReplyDeadline::expired);
    }
    void start() override { m_timer.start(); }
    void stop() override { m_timer.stop(); }

private:
    QTimer m_timer;
};

} // namespace

std::unique_ptr<ReplyDeadline> widenedReplyWindowFromEnvironment()
{
    bool ok = false;
    const int windowMs = qEnvironmentVariableIntValue("VEXLOR_REPLY_WINDOW_MS", &ok);
    if (!ok || windowMs <= int(ReplyTimer::kReplyWindow.count()))
        return nullptr;
    return std::make_unique<WidenedReplyTimer>(windowMs);
}

} // namespace vexlor
