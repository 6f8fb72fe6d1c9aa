#include "link_shutdown.h"

namespace vexlor {

LinkShutdown::LinkShutdown(ControllerLink *link, BridgeLineProvider *bridges, QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_bridges(bridges)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kSettleMs);
    connect(&m_timer, &QTimer::timeout, this, &LinkShutdown::onSettled);
}

LinkShutdown::~LinkShutdown() = default;

void LinkShutdown::start()
{
    m_link->closePort();
    m_timer.start();
}

void LinkShutdown::onSettled()
{
    if (BridgeLine *line = m_bridges->bridgeLineFor(m_link->portPath()))
        (void)line->setBridgeLine(0);
    emit finished();
}

} // namespace vexlor
