#pragma once

#include "port/controller_link.h"
#include "device_state.h"
#include "link_startup.h"
#include "cables/port_finder.h"

#include <QObject>

namespace vexlor {

// The two-second device watch (Timer1's tick), without the timer: the window
// calls tick(). Reopens the link when discovery finds another port, reports
// "Device Lost" when it finds none, and tries again to open the same port
// while it is listed but not open (refused or busy until now), reporting
// "Device Connected" once it opens. A link lost underneath (cable pulled) is
// reported on the next tick.
class DeviceMonitor : public QObject {
    Q_OBJECT
public:
    static constexpr int kTickIntervalMs = 2000;

    DeviceMonitor(ControllerLink *link, PortFinder *finder, QObject *parent = nullptr);

    // Ticks are skipped while `startup` runs: it owns the port until it has
    // driven the bridge line and opened the device.
    void setStartup(const LinkStartup *startup) { m_startup = startup; }

    void tick();

signals:
    // Set the status label; raised only on ticks that change the port or
    // open it.
    void deviceStateReported(vexlor::DeviceState state);

private:
    void retryClosedPort();

    ControllerLink *m_link;
    PortFinder *m_finder;
    const LinkStartup *m_startup = nullptr;
    bool m_linkLost = false;
};

} // namespace vexlor
