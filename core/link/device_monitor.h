#pragma once

#include "controller_link.h"
#include "device_state.h"
#include "link_startup.h"
#include "port_finder.h"

#include <QObject>

namespace vexlor {

// The two-second device watch (Timer1's tick), without the timer: the window
// calls tick(). Reopens the link when discovery finds another port, reports
// "Device Lost" when it finds none, and does nothing while the port stays the
// same. A link lost underneath (cable pulled) is reported on the next tick.
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
    // Set the status label; raised only on ticks that change the port.
    void deviceStateReported(vexlor::DeviceState state);

private:
    ControllerLink *m_link;
    PortFinder *m_finder;
    const LinkStartup *m_startup = nullptr;
    bool m_linkLost = false;
};

} // namespace vexlor
