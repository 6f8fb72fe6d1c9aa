#include "link_startup.h"

#include <utility>

namespace vexlor {

LinkStartup::LinkStartup(ControllerLink *link, PortFinder *finder, BridgeLineProvider *bridges,
                         QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_finder(finder)
    , m_bridges(bridges)
    , m_waiter(link, finder)
{
    m_settleTimer.setSingleShot(true);
    m_settleTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_settleTimer, &QTimer::timeout, this, &LinkStartup::onSettled);
    connect(&m_waiter, &DeviceWaiter::finished, this, &LinkStartup::finish);
}

LinkStartup::~LinkStartup() = default;

void LinkStartup::start()
{
    m_running = true;
    const QString path = m_finder->find().path;
    m_link->setPortPath(path);
    m_link->closePort();
    // Only the cable behind the port found has a line; without a port there
    // is no cable to drive.
    m_line = path.isEmpty() ? nullptr : m_bridges->bridgeLineFor(path);
    m_settleTimer.start(m_line ? kSettleMs : 0);
}

void LinkStartup::cancel()
{
    m_settleTimer.stop();
    m_waiter.cancel();
    m_line = nullptr;
    m_running = false;
}

void LinkStartup::onSettled()
{
    BridgeLine *line = std::exchange(m_line, nullptr);
    if (!line) {
        finish(m_link->openPort(m_link->portPath()));
        return;
    }
    (void)line->setBridgeLine(1);
    m_waiter.start();
}

void LinkStartup::finish(bool opened)
{
    m_running = false;
    emit finished(opened ? DeviceState::Connected : DeviceState::Lost);
}

} // namespace vexlor
