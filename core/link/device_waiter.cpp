#include "device_waiter.h"

namespace vexlor {
namespace {

// A node that is missing, still root-only or half made may be ready on the
// next try; one that another program holds will not be.
bool worthRetrying(SerialPort::OpenError error)
{
    return error != SerialPort::OpenError::InUse;
}

} // namespace

DeviceWaiter::DeviceWaiter(ControllerLink *link, const PortFinder *finder, QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_finder(finder)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &DeviceWaiter::tryOpen);
}

void DeviceWaiter::start(int boundMs)
{
    m_triesLeft = qMax(0, boundMs / kPollIntervalMs);
    m_timer.start(0);
}

void DeviceWaiter::cancel()
{
    m_timer.stop();
}

void DeviceWaiter::tryOpen()
{
    const DiscoveryResult result = m_finder->findQuietly();
    if (result.found())
        m_link->setPortPath(result.path);
    const bool lastTry = m_triesLeft <= 0;
    // Unlisted, the port is tried only once more at the end (under its old
    // path), so its error is the one reported.
    if (result.found() || lastTry) {
        if (m_link->openPort(m_link->portPath())) {
            emit finished(true);
            return;
        }
        if (lastTry || !worthRetrying(m_link->openError())) {
            emit finished(false);
            return;
        }
    }
    --m_triesLeft;
    m_timer.start(kPollIntervalMs);
}

} // namespace vexlor
