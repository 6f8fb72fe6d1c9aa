#include "reply_deadline.h"

namespace vexlor {

ReplyTimer::ReplyTimer(QObject *parent)
    : ReplyDeadline(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kReplyWindow);
    connect(&m_timer, &QTimer::timeout, this, &ReplyDeadline::expired);
}

} // namespace vexlor
