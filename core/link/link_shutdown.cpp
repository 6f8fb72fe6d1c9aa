#include "link_shutdown.h"

#include <utility>

namespace vexlor {

LinkShutdown::LinkShutdown(ControllerLink *link, BridgeLineProvider *bridges, QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_bridges(bridges)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &LinkShutdown::onSettled);
}

LinkShutdown::~LinkShutdown() = default;

void LinkShutdown::start()
{
    m_link->closePort();
    const QString path = m_link->portPath();
    m_line = path.isEmpty() ? nullptr : m_bridges->bridgeLineFor(path);
    m_timer.start(m_line ? kSettleMs : 0);
}

void LinkShutdown::onSettled()
{
    if (BridgeLine *line = std::exchange(m_line, nullptr))
        (void)line->setBridgeLine(0);
    emit finished();
}

} // namespace vexlor
