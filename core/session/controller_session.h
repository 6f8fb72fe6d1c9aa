#pragma once

#include "cables/cable.h"
#include "cables/port_discovery.h"
#include "cables/port_finder.h"
#include "link/device_monitor.h"
#include "link/device_state.h"
#include "link/link_shutdown.h"
#include "link/link_startup.h"
#include "params/parameter_table.h"
#include "port/access_report.h"
#include "port/controller_link.h"
#include "port/serial_port.h"
#include "protocol/connection_check.h"
#include "protocol/reply_deadline.h"
#include "protocol/reply_window.h"
#include "protocol/transaction_engine.h"
#include "user_message.h"

#include <QObject>
#include <QTimer>

#include <array>
#include <memory>

namespace vexlor {

// Why an exchange did not start.
enum class ExchangeStart {
    Started,
    Busy,     // another exchange (check or transaction) still runs: nothing sent
    Released, // the session is shutting down or shut down: nothing sent
};

// Everything between the tool and the controller, for the window and the CLI
// alike: the port, discovery, start-up, the device watch, shutdown, the
// transaction engine and the connection check. It is the one place that
// keeps exchanges apart: the link has one reply state, so a second exchange
// is refused while one runs. Nothing waits: everything ends in a signal.
// The commands the user gives are built on it: ControllerRead, GuardedWrite
// and ControllerComparison.
class ControllerSession : public QObject {
    Q_OBJECT
public:
    // Takes the port; `lister` and `bridges` must outlive the session.
    // `portOverride`: a device path that replaces the scan (--port,
    // VEXLOR_PORT; main reads the environment), empty for the scan.
    ControllerSession(std::unique_ptr<SerialPort> port, const PortLister &lister,
                      BridgeLineProvider &bridges, QString portOverride, QObject *parent = nullptr);
    ~ControllerSession() override;

    // Discover and close; for a cable with a bridge line settle 500 ms, drive
    // the line high and wait for the port to come back; open (an FTDI
    // cable's port with the driver's low latency); ends in
    // deviceStateChanged() and startUpFinished().
    void startUp();
    [[nodiscard]] bool isStartingUp() const { return m_startup.isRunning(); }

    // The two-second device watch, from now until release(): its timer,
    // Timer1, ticks monitorTick(). The window's; the CLI runs none.
    void watchDevice()
    {
        if (!m_releasing)
            m_monitorTimer.start();
    }
    // One tick of the watch. Leaves the port alone while start-up or shutdown
    // runs; opens a listed port that is not open yet.
    void monitorTick();

    // The connection test frame; ends in connectionChecked().
    [[nodiscard]] ExchangeStart checkConnection();
    // Reply windows close by `deadline` from now on instead of after 100 ms
    // (not owned; it must outlive the session): for a harness that knows when
    // no reply comes, so a reply is never judged late for the machine's load.
    void closeReplyWindowsBy(ReplyDeadline *deadline) { m_replyWindow.setDeadline(deadline); }
    // A check or a transaction runs.
    [[nodiscard]] bool isBusy() const { return m_engine.isRunning() || m_check.isRunning(); }

    // Closing: stop the device watch, close the port, for a cable with a
    // bridge line 200 ms later drive it low, then released().
    // A running start-up stops where it is; a running exchange is abandoned
    // without its finished signal.
    void release();
    [[nodiscard]] bool isReleased() const { return m_released; }

    // The user closed the duplicate-device report; the next one may come.
    void duplicateReportClosed() { m_finder.reportClosed(); }

    // The port in use (empty for none) and why its last open failed, for the
    // CLI's and the window's explanations.
    [[nodiscard]] QString portPath() const { return m_link.portPath(); }
    [[nodiscard]] SerialPort::OpenError openError() const { return m_link.openError(); }
    [[nodiscard]] bool isOpen() const { return m_link.isOpen(); }
    [[nodiscard]] QString portOverride() const { return m_finder.overridePath(); }

signals:
    // Label15: from start-up and from monitor ticks that change the port.
    void deviceStateChanged(vexlor::DeviceState state);
    void startUpFinished(vexlor::DeviceState state);
    // "Another COM device ..."; no second one until duplicateReportClosed().
    void duplicateDeviceReport(const vexlor::UserMessage &message);
    // The port found refuses the user: how to get access. Once per connect
    // cycle (start-up or the monitor), not at every tick that retries it.
    void accessRefused(const vexlor::UserMessage &message);

    // The connection check began (link commands off), and its result.
    void connectionCheckStarted();
    void connectionChecked(const vexlor::ConnectionCheckResult &result);
    // The running transaction: every accepted reply of a read as the
    // sixteen-bit value the controller holds (fixed and reserved items
    // included), the frames accepted so far, and its end.
    void valueRead(int index, quint16 value);
    void progress(int acceptedFrames);
    void transactionFinished(const vexlor::TransactionOutcome &outcome);

    // The port is closed and the bridge line low.
    void released();

private:
    // Only the session's commands run transactions (SessionCommand): each
    // takes the reports of its own.
    friend class SessionCommand;

    // Sixty frames (the values a write would send; a read sends them too),
    // then, for a write, the store command. Reports through valueRead(),
    // progress() and transactionFinished(), which the command that started
    // it takes.
    [[nodiscard]] ExchangeStart runTransaction(TransactionMode mode,
                                               const std::array<quint16, kProtocolItemCount> &values);

    void connectSteps();
    void connectExchanges();
    [[nodiscard]] ExchangeStart refusal() const;

    ControllerLink m_link;
    PortFinder m_finder;
    AccessReport m_access;
    LinkStartup m_startup;
    DeviceMonitor m_monitor;
    LinkShutdown m_shutdown;
    ReplyTimer m_replyTimer;
    ReplyWindow m_replyWindow;
    TransactionEngine m_engine;
    ConnectionCheck m_check;
    QTimer m_monitorTimer{this}; // Timer1
    bool m_releasing = false;
    bool m_released = false;
};

} // namespace vexlor
