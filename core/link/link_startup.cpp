#include "link_startup.h"

namespace vexlor {

LinkStartup::LinkStartup(ControllerLink *link, PortFinder *finder, BridgeLineProvider *bridges,
                         QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_finder(finder)
    , m_bridges(bridges)
    , m_waiter(finder)
{
    m_settleTimer.setSingleShot(true);
    m_settleTimer.setTimerType(Qt::PreciseTimer);
    m_settleTimer.setInterval(kSettleMs);
    connect(&m_settleTimer, &QTimer::timeout, this, &LinkStartup::onSettled);
    connect(&m_waiter, &DeviceWaiter::finished, this, &LinkStartup::onDeviceBack);
}

LinkStartup::~LinkStartup() = default;

void LinkStartup::start()
{
    m_running = true;
    m_link->setPortPath(m_finder->find().path);
    m_link->closePort();
    m_settleTimer.start();
}

void LinkStartup::cancel()
{
    m_settleTimer.stop();
    m_waiter.cancel();
    m_running = false;
}

void LinkStartup::onSettled()
{
    if (BridgeLine *line = m_bridges->bridgeLineFor(m_link->portPath()))
        (void)line->setBridgeLine(1);
    if (m_link->portPath().isEmpty()) {
        m_running = false;
        emit finished(DeviceState::Lost);
        return;
    }
    m_waiter.start();
}

void LinkStartup::onDeviceBack(const QString &path)
{
    // The device may come back under another node; without it, the old path
    // is kept and its open fails.
    if (!path.isEmpty())
        m_link->setPortPath(path);
    const bool opened = m_link->openPort(m_link->portPath());
    m_running = false;
    emit finished(opened ? DeviceState::Connected : DeviceState::Lost);
}

} // namespace vexlor
