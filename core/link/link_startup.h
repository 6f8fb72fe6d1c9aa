#pragma once

#include "cable.h"
#include "controller_link.h"
#include "device_state.h"
#include "device_waiter.h"
#include "port_finder.h"

#include <QObject>
#include <QTimer>

#include <memory>

namespace vexlor {

// The link's part of the window's start-up, as steps that never block:
// discover the port, close it, let the line settle for 500 ms, drive the
// bridge line high, wait (at most about 2 s) for the serial device to come
// back, open it, and report the status label.
class LinkStartup : public QObject {
    Q_OBJECT
public:
    static constexpr int kSettleMs = 500;

    // None of the pointers is owned; all must outlive the start-up.
    LinkStartup(ControllerLink *link, PortFinder *finder, BridgeLineProvider *bridges,
                QObject *parent = nullptr);
    ~LinkStartup() override;

    void start();
    [[nodiscard]] bool isRunning() const { return m_running; }
    // Stops wherever it is: no bridge line, no open, no finished().
    void cancel();

signals:
    // Done: set the status label.
    void finished(vexlor::DeviceState state);

private:
    void onSettled();
    void onDeviceBack(const QString &path);

    ControllerLink *m_link;
    PortFinder *m_finder;
    BridgeLineProvider *m_bridges;
    QTimer m_settleTimer;
    DeviceWaiter m_waiter;
    bool m_running = false;
};

} // namespace vexlor
