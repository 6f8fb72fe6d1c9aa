#pragma once

#include "status_strip.h"
#include "window_actions.h"

#include "link/bridge_line.h"
#include "link/connection_test.h"
#include "link/controller_link.h"
#include "link/device_monitor.h"
#include "link/device_state.h"
#include "link/link_shutdown.h"
#include "link/link_startup.h"
#include "link/port_finder.h"
#include "params/number_text.h"
#include "protocol/transaction_engine.h"

#include <QObject>

#include <functional>
#include <memory>

namespace vexlor {

class InputRules;
class MessageBoxes;
class ParameterBinding;
class ShellOpener;

// The window's side of the controller link: owns the link and everything that
// talks through it (start-up, device monitor, connection test, transactions,
// shutdown), and shows what they report in the status strip and in boxes.
// Nothing here waits: every exchange ends in a signal.
class ControllerCommands : public QObject {
    Q_OBJECT
public:
    // The link runs over `port` (taken over), finds it through `lister` and
    // drives `bridge`; both must outlive the commands, as must the window's
    // parts. `numberFormat` is read as it stands when values are sent or read.
    ControllerCommands(std::unique_ptr<SerialPort> port, const PortLister &lister,
                       BridgeLine &bridge, const StatusStrip &strip, const LinkActions &actions,
                       ParameterBinding &binding, InputRules &rules, MessageBoxes &boxes,
                       ShellOpener &shell, const NumberFormat &numberFormat,
                       QObject *parent = nullptr);
    ~ControllerCommands() override;

    // Discover, close, settle, bridge line high, open, show the device state.
    // Runs on by itself; the window goes on with its other start-up steps.
    void startUp();

    // Closing: close the port, 200 ms later drop the bridge line, then
    // released(). Every exchange still running is abandoned without a box.
    void release();
    [[nodiscard]] bool isReleasing() const { return m_releasing; }
    [[nodiscard]] bool isReleased() const { return m_released; }

public slots:
    // The two-second device watch.
    void onMonitorTick();
    void testConnection();
    // Read and write encode the window's values and start the transaction; a
    // value that cannot be sent stops it with the standard error box before
    // anything is sent.
    void readController();
    void writeController();

public:
    // Whether a transaction or a connection test is running.
    [[nodiscard]] bool isExchanging() const { return m_engine.isRunning() || m_test.isRunning(); }
    [[nodiscard]] ControllerLink &link() { return m_link; }

signals:
    // The port is closed and the bridge line low: the window may go.
    void released();

private:
    void runTransaction(TransactionMode mode);
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

    StatusStrip m_strip;
    LinkActions m_actions;
    ParameterBinding &m_binding;
    InputRules &m_rules;
    MessageBoxes &m_boxes;
    ShellOpener &m_shell;
    const NumberFormat &m_numberFormat;

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
