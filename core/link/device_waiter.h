#pragma once

#include "cables/port_finder.h"
#include "port/controller_link.h"

#include <QObject>
#include <QTimer>

namespace vexlor {

// Opens the controller's port once it is back, without blocking. Driving the
// bridge line hands the USB device to libftdi and back, so the kernel deletes
// the serial device and creates it anew: a moment later, possibly under
// another node, and at first for root only (until udev applies the cable
// rule). Each try lists the ports again and opens what discovery finds; a
// missing or refused node is tried again every 100 ms up to the bound. A port
// another program holds ends the wait at once.
class DeviceWaiter : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollIntervalMs = 100;
    static constexpr int kDefaultBoundMs = 3000;

    // Neither pointer is owned.
    DeviceWaiter(ControllerLink *link, const PortFinder *finder, QObject *parent = nullptr);

    // Tries at once. A new start() replaces a running wait.
    void start(int boundMs = kDefaultBoundMs);
    void cancel();

signals:
    // The link's port is open, or the bound was reached (or the port is held
    // by another program) and it is not; the link keeps the last path found,
    // or its old one when none was, and the last open's error.
    void finished(bool opened);

private:
    void tryOpen();

    ControllerLink *m_link;
    const PortFinder *m_finder;
    QTimer m_timer;
    int m_triesLeft = 0;
};

} // namespace vexlor
