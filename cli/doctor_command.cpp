// doctor: every check of the connection, one line each (or JSON), for the
// rider at a terminal and for a shop's scripts.

#include "commands.h"

#include "doctor/check_result.h"
#include "doctor/doctor_run.h"
#include "session/controller_session.h"

#include <QCoreApplication>

namespace vexlor::cli {

int runDoctor(CliContext &context, const QStringList &args)
{
    bool json = false;
    for (const QString &arg : args) {
        if (arg != u"--json")
            return context.usage("doctor [--port DEVICE] [--json]");
        json = true;
    }
    ControllerSession &session = context.session();
    DoctorRun run(context.system(), context.portLister(), session, DoctorRun::SessionState::NotStarted);
    QList<CheckResult> results;
    QObject::connect(&run, &DoctorRun::finished, &run, [&](const QList<CheckResult> &all) {
        results = all;
        session.release(); // the bridge line low again, then the loop ends
    });
    QObject::connect(&session, &ControllerSession::released, &run, [] { QCoreApplication::exit(0); });
    // The cable check reports several cables; the session may go on.
    QObject::connect(&session, &ControllerSession::duplicateDeviceReport, &run,
                     [&session] { session.duplicateReportClosed(); });
    (void)run.start();
    QCoreApplication::exec();

    if (json) {
        if (!context.writeStdout(reportJson(results)))
            return kExitBadInput;
    } else {
        for (const CheckResult &result : std::as_const(results))
            context.out() << reportLine(result) << '\n';
        context.out().flush();
    }
    return anyFailed(results) ? kExitLinkFailure : kExitDone;
}

} // namespace vexlor::cli
