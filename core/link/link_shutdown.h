#pragma once

#include "cables/cable.h"
#include "port/controller_link.h"

#include <QObject>
#include <QTimer>

#include <memory>

namespace vexlor {

// The link's part of closing, without blocking: close the port; for a cable
// with a bridge line let it settle for 200 ms and drive the line low; then
// finished(), always from the event loop. Other ports have no line, no pause.
class LinkShutdown : public QObject {
    Q_OBJECT
public:
    static constexpr int kSettleMs = 200;

    // Neither pointer is owned; both must outlive the shutdown.
    LinkShutdown(ControllerLink *link, BridgeLineProvider *bridges, QObject *parent = nullptr);
    ~LinkShutdown() override;

    void start();
    [[nodiscard]] bool isRunning() const { return m_timer.isActive(); }

signals:
    void finished();

private:
    void onSettled();

    ControllerLink *m_link;
    BridgeLineProvider *m_bridges;
    BridgeLine *m_line = nullptr; // the provider's, held from start() to the settle
    QTimer m_timer;
};

} // namespace vexlor
