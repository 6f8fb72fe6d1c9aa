#pragma once

#include "bridge_line.h"
#include "controller_link.h"

#include <QObject>
#include <QTimer>

namespace vexlor {

// The link's part of closing the window, without blocking: close the port,
// let it settle for 200 ms, drive the bridge line low, finished().
class LinkShutdown : public QObject {
    Q_OBJECT
public:
    static constexpr int kSettleMs = 200;

    LinkShutdown(ControllerLink *link, BridgeLine *bridge, QObject *parent = nullptr);

    void start();
    [[nodiscard]] bool isRunning() const { return m_timer.isActive(); }

signals:
    void finished();

private:
    void onSettled();

    ControllerLink *m_link;
    BridgeLine *m_bridge;
    QTimer m_timer;
};

} // namespace vexlor
