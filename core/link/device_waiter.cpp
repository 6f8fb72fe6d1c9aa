#include "device_waiter.h"

namespace vexlor {

DeviceWaiter::DeviceWaiter(const PortFinder *finder, QObject *parent)
    : QObject(parent)
    , m_finder(finder)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &DeviceWaiter::poll);
}

void DeviceWaiter::start(int boundMs)
{
    m_pollsLeft = qMax(0, boundMs / kPollIntervalMs);
    m_timer.start(0);
}

void DeviceWaiter::cancel()
{
    m_timer.stop();
}

void DeviceWaiter::poll()
{
    const DiscoveryResult result = m_finder->findQuietly();
    if (result.found() || m_pollsLeft <= 0) {
        emit finished(result.path);
        return;
    }
    --m_pollsLeft;
    m_timer.start(kPollIntervalMs);
}

} // namespace vexlor
