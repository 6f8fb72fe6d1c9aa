#pragma once

#include "port_finder.h"

#include <QObject>
#include <QTimer>

namespace vexlor {

// Waits, without blocking, for discovery to find the controller's port again:
// driving the bridge line hands the USB device to libftdi and back, and the
// kernel needs a moment to recreate the serial device. Checks at once, then
// every 100 ms, and gives up after the bound.
class DeviceWaiter : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollIntervalMs = 100;
    static constexpr int kDefaultBoundMs = 2000;

    explicit DeviceWaiter(const PortFinder *finder, QObject *parent = nullptr);

    // A new start() replaces a running wait.
    void start(int boundMs = kDefaultBoundMs);
    void cancel();
    [[nodiscard]] bool isWaiting() const { return m_timer.isActive(); }

signals:
    // The port discovery found (empty when the bound was reached).
    void finished(const QString &path);

private:
    void poll();

    const PortFinder *m_finder;
    QTimer m_timer;
    int m_pollsLeft = 0;
};

} // namespace vexlor
