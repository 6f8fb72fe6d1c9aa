// The commands that talk to the controller: ports, test, read (write and
// compare are in write_safety_commands.cpp).

#include "cli_texts.h"
#include "commands.h"
#include "controller_run.h"

#include "cables/link_texts.h"
#include "cables/port_discovery.h"
#include "files/vxc_writer.h"
#include "params/parameter_codec.h"
#include "protocol/connection_check_texts.h"
#include "protocol/transaction_texts.h"
#include "params/settings_fingerprint.h"
#include "register/register_record.h"
#include "session/controller_read.h"

#include <QFileInfo>

namespace vexlor::cli {
namespace {

// Reads the controller into `state` and hands the outcome back, with the
// values as its replies carried them in `held`.
int readInto(CliContext &context, ParameterSnapshot &state, const ParameterValues &values,
             TransactionOutcome &outcome, ParameterValues &held)
{
    ControllerRun run(context, transactionText(vexlor::texts::kCommunicationFailed));
    ControllerRead read(context.session(), context.numberFormat());
    QObject::connect(&read, &ControllerRead::valueReceived, &run,
                     [&](int index, quint16 value) { held[index] = value; });
    QObject::connect(&read, &ControllerRead::valueDecoded, &run,
                     [&](const ControlAssignment &decoded) { state[decoded.index] = decoded.value; });
    QObject::connect(&read, &ControllerRead::finished, &run, [&](const TransactionOutcome &result) {
        outcome = result;
        run.finish(result.passed ? kExitDone : kExitLinkFailure);
    });
    return run.run([&] {
        if (read.start(values) != ExchangeStart::Started)
            run.finish(kExitLinkFailure);
    });
}

} // namespace

int runPorts(CliContext &context, const QStringList &args)
{
    if (!args.isEmpty())
        return context.usage("ports");
    const PortLister &lister = context.portLister();
    const DiscoveryResult picked = discoverPort(lister, context.portOverride());

    QList<SerialPortEntry> entries = lister.ports();
    const bool listed = std::any_of(entries.cbegin(), entries.cend(),
                                    [&](const SerialPortEntry &e) { return e.path == picked.path; });
    if (picked.found() && !listed)
        entries.append({picked.path, false, 0, CliText::tr("(named by --port or VEXLOR_PORT)"), {}});
    for (const SerialPortEntry &entry : entries) {
        const QString vendor = entry.hasVendorId
            ? QStringLiteral("%1").arg(entry.vendorId, 4, 16, QLatin1Char('0'))
            : QStringLiteral("-");
        context.out() << (entry.path == picked.path ? "* " : "  ") << entry.path.leftJustified(16)
                      << ' ' << vendor.leftJustified(5) << entry.description << '\n';
    }
    context.out().flush();
    if (picked.duplicate())
        context.err() << linkText(vexlor::texts::kDuplicateDevice) << Qt::endl;
    if (!picked.found())
        context.err() << CliText::tr("No programming cable found.") << Qt::endl;
    return kExitDone;
}

int runTest(CliContext &context, const QStringList &args)
{
    if (!args.isEmpty())
        return context.usage("test");
    ControllerRun run(context, connectionCheckText(vexlor::texts::kConnectionNotDetected));
    ControllerSession &session = context.session();
    QObject::connect(&session, &ControllerSession::connectionChecked, &run,
                     [&](const ConnectionCheckResult &result) {
                         if (result.ok) {
                             context.out() << connectionCheckText(vexlor::texts::kConnectionOkReport)
                                                  .arg(result.versionText)
                                           << Qt::endl;
                         } else {
                             context.err() << connectionCheckText(vexlor::texts::kConnectionNotDetected)
                                           << Qt::endl;
                         }
                         run.finish(result.ok ? kExitDone : kExitLinkFailure);
                     });
    return run.run([&] {
        if (session.checkConnection() != ExchangeStart::Started)
            run.finish(kExitLinkFailure);
    });
}

int runRead(CliContext &context, const QStringList &args)
{
    // "read --force" is a mistyped option, not a file to be named "--force".
    if (args.size() > 1 || args.value(0).startsWith(u'-'))
        return context.usage("read [FILE]");
    // Refused before the controller is asked: a pipe or a device named as
    // the file would be replaced by the configuration.
    const QString target = args.value(0);
    const QString targetError = target == u"-" ? QString() : configurationTargetError(target);
    if (!targetError.isEmpty())
        return context.fail(kExitBadInput, targetError);
    // The read frames carry the values a write would send.
    auto initial = context.encodedInitialState();
    if (!initial)
        return kExitBadInput;
    ParameterSnapshot &state = initial->snapshot;
    TransactionOutcome outcome;
    ParameterValues held{};
    RegisterRecord record = context.newRecord(operations::kRead);
    if (readInto(context, state, initial->values, outcome, held) != kExitDone) {
        keepFailure(context, record, outcome);
        reportFailure(context, outcome);
        return kExitLinkFailure;
    }
    record.controllerVersion = controllerVersionText(held[0]);
    record.fingerprintBefore = record.fingerprintAfter = settingsFingerprint(held);
    record.documentPath = target == u"-" || target.isEmpty() ? QString() : QFileInfo(target).absoluteFilePath();
    const bool saved = context.saveSnapshot(state, args.value(0));
    record.outcome = QString::fromLatin1(saved ? outcomes::kDone : outcomes::kFailed);
    record.message = outcome.message.text;
    context.keep(record);
    if (!saved)
        return kExitBadInput;
    context.err() << outcome.message.text << Qt::endl;
    return kExitDone;
}

} // namespace vexlor::cli
