#pragma once

#include "check_result.h"

#include "link/device_state.h"
#include "port/serial_port.h"

#include <QObject>

namespace vexlor {

class ControllerSession;
class PortLister;
class SystemView;
struct ConnectionCheckResult;

// One run of the connection doctor: the checks of the system at once, then
// the connection test through the controller session. Nothing waits: the
// run ends in finished().
class DoctorRun : public QObject {
    Q_OBJECT
public:
    // The command line's session has not started yet: the run starts it up
    // (bridge line, open) and leaves releasing it to its caller. The
    // window's runs already and stays as it is.
    enum class SessionState { NotStarted, Running };

    // Everything must outlive the run.
    DoctorRun(const SystemView &system, const PortLister &lister, ControllerSession &session,
              SessionState state, QObject *parent = nullptr);

    // Refused (false) while a run is under way.
    bool start();
    [[nodiscard]] bool isRunning() const { return m_running; }

    // The controller check's finding for a connection test's result.
    [[nodiscard]] static CheckResult controllerFinding(const ConnectionCheckResult &result);
    // Its finding when the session could not open the port; `above` are the
    // system's checks as they came out.
    [[nodiscard]] static CheckResult unreachedFinding(const QString &path, SerialPort::OpenError error,
                                                      const QList<CheckResult> &above);

signals:
    // Every check but the controller's (which is still running).
    void systemChecked(const QList<vexlor::CheckResult> &results);
    // Every check, in report order.
    void finished(const QList<vexlor::CheckResult> &results);

private:
    void checkController();
    void onStartedUp(DeviceState state);
    void askController();
    // Ends the run with `controller`, from the event loop.
    void finishLater(const CheckResult &controller);

    const SystemView &m_system;
    const PortLister &m_lister;
    ControllerSession &m_session;
    SessionState m_sessionState;
    QList<CheckResult> m_results;
    bool m_running = false;
};

} // namespace vexlor
