#include "doctor_run.h"

#include "doctor_checks.h"
#include "doctor_text.h"
#include "system_checks.h"

#include "params/message_input.h"
#include "protocol/connection_check.h"
#include "session/controller_session.h"

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
        finishLater(unreachedFinding(m_session.portPath(), m_session.openError()));
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

CheckResult DoctorRun::unreachedFinding(const QString &path, SerialPort::OpenError error)
{
    const QString shown = inputForMessage(path);
    const QString fix = DoctorText::tr("Fix what the lines above show, then run the doctor again.");
    switch (error) {
    case SerialPort::OpenError::PermissionDenied:
        return finding(checks::kController, CheckStatus::Fail,
                       DoctorText::tr("The tool may not open %1 (see access).").arg(shown), fix);
    case SerialPort::OpenError::InUse:
        return finding(checks::kController, CheckStatus::Fail,
                       DoctorText::tr("Another program is using %1 (see busy).").arg(shown), fix);
    default:
        break;
    }
    if (path.isEmpty()) {
        return finding(checks::kController, CheckStatus::Fail,
                       DoctorText::tr("The tool found no port to reach the controller through."), fix);
    }
    return finding(checks::kController, CheckStatus::Fail, DoctorText::tr("%1 does not open.").arg(shown),
                   fix);
}

} // namespace vexlor
