#include "doctor_run.h"

#include "doctor_checks.h"
#include "doctor_text.h"
#include "system_checks.h"

#include "params/message_input.h"
#include "protocol/connection_check.h"
#include "session/controller_session.h"

#include <algorithm>

namespace vexlor {
namespace {

CheckResult busyFinding()
{
    return finding(checks::kController, CheckStatus::Skip,
                   DoctorText::tr("The tool is busy with the controller; run the doctor again when it "
                                  "is done."));
}

} // namespace

DoctorRun::DoctorRun(const SystemView &system, const PortLister &lister, ControllerSession &session,
                     SessionState state, QObject *parent)
    : QObject(parent)
    , m_system(system)
    , m_lister(lister)
    , m_session(session)
    , m_sessionState(state)
{
}

bool DoctorRun::start()
{
    if (m_running)
        return false;
    m_running = true;
    const SystemFindings findings = runSystemChecks(m_system, m_lister, m_session.portOverride());
    m_results = findings.results;
    emit systemChecked(m_results);
    if (findings.controllerSkip)
        finishLater(*findings.controllerSkip);
    else
        checkController();
    return true;
}

void DoctorRun::checkController()
{
    if (m_sessionState == SessionState::NotStarted) {
        m_sessionState = SessionState::Running;
        connect(&m_session, &ControllerSession::startUpFinished, this, &DoctorRun::onStartedUp,
                Qt::SingleShotConnection);
        m_session.startUp();
        return;
    }
    if (m_session.isStartingUp() || m_session.isBusy()) {
        finishLater(busyFinding());
        return;
    }
    onStartedUp(m_session.isOpen() ? DeviceState::Connected : DeviceState::Lost);
}

void DoctorRun::onStartedUp(DeviceState state)
{
    if (state == DeviceState::Connected)
        askController();
    else
        finishLater(unreachedFinding(m_session.portPath(), m_session.openError(), m_results));
}

void DoctorRun::askController()
{
    const QMetaObject::Connection answer = connect(
        &m_session, &ControllerSession::connectionChecked, this,
        [this](const ConnectionCheckResult &result) { finishLater(controllerFinding(result)); },
        Qt::SingleShotConnection);
    if (m_session.checkConnection() != ExchangeStart::Started) {
        disconnect(answer);
        finishLater(busyFinding());
    }
}

void DoctorRun::finishLater(const CheckResult &controller)
{
    // From the event loop: a caller that starts the run and then its loop
    // must not miss the end.
    QMetaObject::invokeMethod(
        this,
        [this, controller] {
            m_results << controller;
            m_running = false;
            emit finished(m_results);
        },
        Qt::QueuedConnection);
}

CheckResult DoctorRun::controllerFinding(const ConnectionCheckResult &result)
{
    if (result.ok) {
        //: %1 the controller's software version such as 1-35, after the letter v
        return finding(
            checks::kController, CheckStatus::Ok,
            DoctorText::tr("The controller answers: software version v%1.").arg(result.versionText));
    }
    return finding(checks::kController, CheckStatus::Fail,
                   DoctorText::tr("The cable answers but the controller does not: is the bike's battery on "
                                  "and the display connected?"),
                   DoctorText::tr("Switch the bike's battery on and connect the display, then run the "
                                  "doctor again."));
}

CheckResult DoctorRun::unreachedFinding(const QString &path, SerialPort::OpenError error,
                                        const QList<CheckResult> &above)
{
    const QString shown = inputForMessage(path);
    // A hint names a check only where it ran (on Windows access and busy
    // are skipped); "the lines above" only where one shows a problem.
    const auto ran = [&above](const char *check) {
        return std::any_of(above.cbegin(), above.cend(), [check](const CheckResult &r) {
            return r.check == QLatin1String(check) && r.status != CheckStatus::Skip;
        });
    };
    const bool problemAbove = std::any_of(above.cbegin(), above.cend(), [](const CheckResult &r) {
        return r.status == CheckStatus::Fail || r.status == CheckStatus::Warn;
    });
    const QString fix = problemAbove
        ? DoctorText::tr("Fix what the lines above show, then run the doctor again.")
        //: %1 the serial device
        : DoctorText::tr("Close any other program that may use %1, then run the doctor again.").arg(shown);
    QString detail;
    if (error == SerialPort::OpenError::PermissionDenied) {
        detail = ran(checks::kAccess) ? DoctorText::tr("The tool may not open %1 (see access).").arg(shown)
                                      : DoctorText::tr("The tool may not open %1.").arg(shown);
    } else if (error == SerialPort::OpenError::InUse) {
        detail = ran(checks::kBusy) ? DoctorText::tr("Another program is using %1 (see busy).").arg(shown)
                                    : DoctorText::tr("Another program is using %1.").arg(shown);
    } else if (path.isEmpty()) {
        return finding(checks::kController, CheckStatus::Fail,
                       DoctorText::tr("The tool found no port to reach the controller through."),
                       problemAbove ? fix
                                    : DoctorText::tr("Plug the programming cable into a USB port of this computer."));
    } else {
        detail = DoctorText::tr("%1 does not open.").arg(shown);
    }
    return finding(checks::kController, CheckStatus::Fail, detail, fix);
}

} // namespace vexlor
