#pragma once

#include "status_strip.h"
#include "window_actions.h"

#include "link/device_state.h"
#include "params/number_text.h"
#include "protocol/transaction_engine.h"

#include <QObject>

#include <functional>

namespace vexlor {

class ControllerSession;
class InputRules;
class MessageBoxes;
class ParameterBinding;
class ShellOpener;
struct ConnectionCheckResult;
struct ControlAssignment;
struct UserMessage;

// The window's side of the controller: gives the session the commands the
// user gives (start-up, the device watch, the connection test, read, write,
// closing) and shows what it reports in the status strip and in boxes.
// Nothing here waits: every exchange ends in a signal of the session.
class ControllerCommands : public QObject {
    Q_OBJECT
public:
    // Everything must outlive the commands. `numberFormat` is read as it
    // stands whenever values are sent.
    ControllerCommands(ControllerSession &session, const StatusStrip &strip,
                       const LinkActions &actions, ParameterBinding &binding, InputRules &rules,
                       MessageBoxes &boxes, ShellOpener &shell, const NumberFormat &numberFormat,
                       QObject *parent = nullptr);

    // Discover, close, settle, bridge line high, open, show the device state.
    // Runs on by itself; the window goes on with its other start-up steps.
    void startUp();

    // Closing: close the port, 200 ms later drop the bridge line, then
    // released(). Every exchange still running is abandoned without a box.
    void release();
    [[nodiscard]] bool isReleased() const;

public slots:
    // The two-second device watch.
    void onMonitorTick();
    void testConnection();
    // Read and write encode the window's values and start the transaction; a
    // value that cannot be sent stops it with the standard error box before
    // anything is sent.
    void readController();
    void writeController();

signals:
    // The port is closed and the bridge line low: the window may go.
    void released();

private:
    void connectSession();
    void runTransaction(TransactionMode mode);
    void showDeviceState(DeviceState state);
    void showDuplicateDevice(const UserMessage &message);
    void showAccessRefused(const UserMessage &message);
    void onExchangeStarted();
    void onTransactionStarted();
    void onValueDecoded(const ControlAssignment &assignment);
    void onTransactionFinished(const TransactionOutcome &outcome);
    void onConnectionChecked(const ConnectionCheckResult &result);
    void setLinkCommandsEnabled(bool enabled);
    // Shows a box once the current signal has run to its end, as the event
    // loop's own work, unless the window is closing by then.
    void later(std::function<void()> show);
    void showMessage(const UserMessage &message);
    void openInstallationGuide();

    ControllerSession &m_session;
    StatusStrip m_strip;
    LinkActions m_actions;
    ParameterBinding &m_binding;
    InputRules &m_rules;
    MessageBoxes &m_boxes;
    ShellOpener &m_shell;
    const NumberFormat &m_numberFormat;
    bool m_releasing = false;
};

} // namespace vexlor
