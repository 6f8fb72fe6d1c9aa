#include "link_shutdown.h"

namespace vexlor {

LinkShutdown::LinkShutdown(ControllerLink *link, BridgeLine *bridge, QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_bridge(bridge)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kSettleMs);
    connect(&m_timer, &QTimer::timeout, this, &LinkShutdown::onSettled);
}

void LinkShutdown::start()
{
    m_link->closePort();
    m_timer.start();
}

void LinkShutdown::onSettled()
{
    (void)m_bridge->setBridgeLine(0);
    emit finished();
}

} // namespace vexlor
