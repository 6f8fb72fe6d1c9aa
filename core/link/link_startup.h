#pragma once

#include "cables/cable.h"
#include "port/controller_link.h"
#include "device_state.h"
#include "device_waiter.h"
#include "cables/port_finder.h"

#include <QObject>
#include <QTimer>

namespace vexlor {

// The link's part of the window's start-up, as steps that never block:
// discover the port and close it. For a cable with a bridge line: let the
// line settle for 500 ms, drive the bridge line high, and wait (at most about
// 3 s) for the serial device to come back and open. Any other port (a
// pseudo-terminal, another adapter) has no line and no pauses: it is opened
// at once. Then report the status label.
class LinkStartup : public QObject {
    Q_OBJECT
public:
    static constexpr int kSettleMs = 500;

    // None of the pointers is owned; all must outlive the start-up.
    LinkStartup(ControllerLink *link, PortFinder *finder, BridgeLineProvider *bridges,
                QObject *parent = nullptr);
    ~LinkStartup() override;

    // Ends in finished(), always from the event loop.
    void start();
    [[nodiscard]] bool isRunning() const { return m_running; }
    // Stops wherever it is: no bridge line, no open, no finished().
    void cancel();

signals:
    // Done: set the status label.
    void finished(vexlor::DeviceState state);

private:
    void onSettled();
    void finish(bool opened);

    ControllerLink *m_link;
    PortFinder *m_finder;
    BridgeLineProvider *m_bridges;
    BridgeLine *m_line = nullptr; // the provider's, held from start() to the settle
    QTimer m_settleTimer;
    DeviceWaiter m_waiter;
    bool m_running = false;
};

} // namespace vexlor
