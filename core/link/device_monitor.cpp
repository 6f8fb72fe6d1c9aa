#include "device_monitor.h"

namespace vexlor {

DeviceMonitor::DeviceMonitor(ControllerLink *link, PortFinder *finder, QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_finder(finder)
{
    connect(m_link, &ControllerLink::linkLost, this, [this] { m_linkLost = true; });
}

void DeviceMonitor::tick()
{
    if (m_startup && m_startup->isRunning())
        return;
    if (m_linkLost) {
        // The port died under us. Forget it, so the next tick that finds a
        // device opens it afresh, whatever its path.
        m_linkLost = false;
        m_link->closePort();
        m_link->setPortPath({});
        emit deviceStateReported(DeviceState::Lost);
        return;
    }

    const DiscoveryResult first = m_finder->find();
    if (first.path == m_link->portPath()) {
        retryClosedPort();
        return;
    }

    m_link->closePort();
    // A second, fresh run decides the new port.
    const QString path = m_finder->find().path;
    m_link->setPortPath(path);
    if (path.isEmpty()) {
        emit deviceStateReported(DeviceState::Lost);
        return;
    }
    emit deviceStateReported(m_link->openPort(path) ? DeviceState::Connected : DeviceState::Lost);
}

void DeviceMonitor::retryClosedPort()
{
    // A port that refused start-up's open (its node still root-only, or held
    // by another program) is usable as soon as that changes: no need to
    // replug. A failed retry leaves "Device Lost" as it stands.
    if (m_link->portPath().isEmpty() || m_link->isOpen())
        return;
    if (m_link->openPort(m_link->portPath()))
        emit deviceStateReported(DeviceState::Connected);
}

} // namespace vexlor
