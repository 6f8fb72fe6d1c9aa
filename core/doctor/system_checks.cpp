#include "system_checks.h"

#include "doctor_checks.h"
#include "doctor_text.h"

namespace vexlor {
namespace {

CheckStatus statusOf(const QList<CheckResult> &results, const char *check)
{
    for (const CheckResult &result : results) {
        if (result.check == QLatin1String(check))
            return result.status;
    }
    return CheckStatus::Skip;
}

// Why the controller check cannot run, when it cannot.
std::optional<CheckResult> controllerSkip(const DoctorContext &context, const QList<CheckResult> &results)
{
    QString reason;
    if (context.port.node.isEmpty())
        reason = DoctorText::tr("No port to reach the controller through.");
    else if (statusOf(results, checks::kAccess) == CheckStatus::Fail)
        reason = DoctorText::tr("The port does not open for you (see access).");
    else if (statusOf(results, checks::kBusy) == CheckStatus::Fail)
        reason = DoctorText::tr("Another process holds the port (see busy).");
    else
        return std::nullopt;
    return finding(checks::kController, CheckStatus::Skip, reason);
}

// What the checks after the cable check read of `port`.
DoctorContext contextOf(const SystemView &system, const PortUnderTest &port)
{
    DoctorContext context{system, system.identity(), port, {}, 0};
    if (!port.node.isEmpty()) {
        context.holders = facts::holdersOf(system, port.node, context.me.pid);
        // The tool's own port is open already; a second open would only be
        // refused as busy.
        if (!context.holders.self)
            context.openError = system.tryOpen(port.node);
    }
    return context;
}

} // namespace

SystemFindings runSystemChecks(const SystemView &system, const PortLister &lister,
                               const QString &portOverride)
{
    SystemFindings findings;
    PortUnderTest port;
    findings.results << checkCable(system, lister, portOverride, port);
    const DoctorContext context = contextOf(system, port);
    findings.results << checkDriver(context) << checkAccess(context) << checkBusy(context)
                     << checkModemManager(context) << checkBrltty(context) << checkLatency(context)
                     << checkSandbox(context);
    findings.controllerSkip = controllerSkip(context, findings.results);
    return findings;
}

CheckResult accessFinding(const SystemView &system, const PortLister &lister, const QString &path)
{
    PortUnderTest port;
    (void)checkCable(system, lister, path, port);
    return checkAccess(contextOf(system, port));
}

} // namespace vexlor
