#pragma once

#include "app_services.h"
#include "window_actions.h"

#include "link/connection_test.h"
#include "link/controller_link.h"
#include "link/device_monitor.h"
#include "link/device_state.h"
#include "link/link_shutdown.h"
#include "link/link_startup.h"
#include "link/port_finder.h"
#include "protocol/transaction_engine.h"

#include <QObject>

#include <functional>
#include <memory>

class QLabel;
class QProgressBar;

namespace vexlor {

class MainWindow;
class MessageBoxes;
class ShellOpener;

// The window's side of the controller link: owns the link and everything that
// talks through it (start-up, device monitor, connection test, transactions,
// shutdown), and shows what they report in the status strip and in boxes.
// Nothing here waits: every exchange ends in a signal.
class ControllerCommands : public QObject {
    Q_OBJECT
public:
    // Uses the backends of `services` where given, the real ones otherwise.
    // `window` must have its controls and actions built.
    ControllerCommands(MainWindow &window, const AppServices &services, QObject *parent = nullptr);
    ~ControllerCommands() override;

    // Start-up steps 8 to 11: discover, close, settle, bridge line high, open,
    // Label15. Runs on by itself; the window goes on with its other steps.
    void startUp();
    // Timer1's tick: the device monitor.
    void monitorTick();
    // TestConnection1Click.
    void testConnection();
    // WriteControllerSettings1Click: encodes the window's values and starts
    // the transaction; a value that cannot be sent stops it with the standard
    // error box before anything is sent.
    void startTransaction(TransactionMode mode);

    // Closing: close the port, 200 ms later drop the bridge line, then
    // released(). Every exchange still running is abandoned without a box.
    void release();
    [[nodiscard]] bool isReleasing() const { return m_releasing; }
    [[nodiscard]] bool isReleased() const { return m_released; }

    // Whether a transaction or a connection test is running.
    [[nodiscard]] bool isExchanging() const { return m_engine.isRunning() || m_test.isRunning(); }
    [[nodiscard]] ControllerLink &link() { return m_link; }

signals:
    // The port is closed and the bridge line low: the window may go.
    void released();

private:
    void showDeviceState(DeviceState state);
    void showDuplicateDevice(const UserMessage &message);
    void onExchangeStarted();
    void onTransactionStarted();
    void onValueAccepted(int index, quint16 value);
    void onTransactionFinished(const TransactionOutcome &outcome);
    void onConnectionTestFinished(const ConnectionTestResult &result);
    void setLinkCommandsEnabled(bool enabled);
    // Shows a box once the current signal has run to its end, as the event
    // loop's own work, unless the window is closing by then.
    void later(std::function<void()> show);
    void showMessage(const UserMessage &message);
    void openInstallationGuide();

    MainWindow &m_window;
    MessageBoxes &m_boxes;
    ShellOpener &m_shell;
    WindowActions m_actions;
    QLabel *m_linkState = nullptr; // Label15
    QLabel *m_activity = nullptr;  // Label43
    QLabel *m_result = nullptr;    // Label44
    QProgressBar *m_progress = nullptr;

    std::unique_ptr<PortLister> m_ownLister;
    std::unique_ptr<BridgeLine> m_ownBridge;
    const PortLister *m_lister;
    BridgeLine *m_bridge;
    ControllerLink m_link;
    PortFinder m_finder;
    std::unique_ptr<LinkStartup> m_startup;
    DeviceMonitor m_monitor;
    TransactionEngine m_engine;
    ConnectionTest m_test;
    LinkShutdown m_shutdown;
    bool m_releasing = false;
    bool m_released = false;
};

} // namespace vexlor
