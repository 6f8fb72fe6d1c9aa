// The commands that talk to the controller: ports, test, read, write.

#include "commands.h"
#include "link_session.h"

#include "config/data_files.h"
#include "link/connection_test.h"
#include "link/link_texts.h"
#include "params/parameter_codec.h"
#include "protocol/transaction_engine.h"
#include "protocol/transaction_texts.h"

namespace vexlor::cli {
namespace {

QString latin(const char *text)
{
    return QString::fromLatin1(text);
}

// Runs one transaction and hands the outcome back; decoded values go into `state`.
int runTransaction(CliContext &context, TransactionMode mode, ParameterSnapshot &state,
                   const std::array<quint16, kProtocolItemCount> &values,
                   TransactionOutcome *outcome)
{
    LinkSession session(context, latin(texts::kCommunicationFailed));
    TransactionEngine engine(&session.link());
    QObject::connect(&engine, &TransactionEngine::valueAccepted, &engine,
                     [&](int index, quint16 value) {
                         if (auto control = decodeParameter(index, value, context.numberFormat()))
                             state[index] = *control;
                     });
    QObject::connect(&engine, &TransactionEngine::finished, &engine,
                     [&](const TransactionOutcome &result) {
                         *outcome = result;
                         session.finish(result.passed ? kExitDone : kExitLinkFailure);
                     });
    return session.run([&] {
        if (!engine.start(mode, values))
            session.finish(kExitLinkFailure);
    });
}

void reportFailure(CliContext &context, const TransactionOutcome &outcome)
{
    if (outcome.message.text.isEmpty())
        return; // the session already said why
    context.err() << outcome.message.text << Qt::endl;
    if (outcome.openInstallationGuide)
        context.err() << "See " << locateDataFile(latin(texts::kInstallationGuideFile)) << Qt::endl;
}

} // namespace

int runPorts(CliContext &context, const QStringList &args)
{
    if (!args.isEmpty())
        return context.usage("ports");
    SystemPortLister lister;
    PortFinder finder(&lister);
    if (!context.port().isEmpty())
        finder.setOverridePath(context.port());
    const DiscoveryResult picked = finder.findQuietly();

    QList<SerialPortEntry> entries = lister.ports();
    const bool listed = std::any_of(entries.cbegin(), entries.cend(),
                                    [&](const SerialPortEntry &e) { return e.path == picked.path; });
    if (picked.found() && !listed)
        entries.append({picked.path, false, 0, QStringLiteral("(named by --port or VEXLOR_PORT)")});
    for (const SerialPortEntry &entry : entries) {
        const QString vendor = entry.hasVendorId
            ? QStringLiteral("%1").arg(entry.vendorId, 4, 16, QLatin1Char('0'))
            : QStringLiteral("-");
        context.out() << (entry.path == picked.path ? "* " : "  ") << entry.path.leftJustified(16)
                      << ' ' << vendor.leftJustified(5) << entry.description << '\n';
    }
    context.out().flush();
    if (picked.duplicate())
        context.err() << latin(texts::kDuplicateDevice) << Qt::endl;
    if (!picked.found())
        context.err() << "No programming cable found." << Qt::endl;
    return kExitDone;
}

int runTest(CliContext &context, const QStringList &args)
{
    if (!args.isEmpty())
        return context.usage("test");
    LinkSession session(context, latin(texts::kConnectionNotDetected));
    ConnectionTest test(&session.link());
    QObject::connect(&test, &ConnectionTest::finished, &test,
                     [&](const ConnectionTestResult &result) {
                         if (result.ok) {
                             context.out() << "Connection to controller is OK!\n"
                                           << "Controller software version: v" << result.versionText
                                           << Qt::endl;
                         } else {
                             context.err() << latin(texts::kConnectionNotDetected) << Qt::endl;
                         }
                         session.finish(result.ok ? kExitDone : kExitLinkFailure);
                     });
    return session.run([&] {
        if (!test.start())
            session.finish(kExitLinkFailure);
    });
}

// Encodes `state` and runs one transaction over it (a read decodes into it).
// A value that cannot be sent is bad input; a failed exchange is reported.
int encodeAndRun(CliContext &context, TransactionMode mode, ParameterSnapshot &state,
                 TransactionOutcome &outcome)
{
    const EncodedSet encoded = encodeAll(state, context.numberFormat());
    if (!encoded.ok())
        return context.fail(kExitBadInput, encoded.error);
    if (runTransaction(context, mode, state, encoded.values, &outcome) != kExitDone) {
        reportFailure(context, outcome);
        return kExitLinkFailure;
    }
    return kExitDone;
}

int runRead(CliContext &context, const QStringList &args)
{
    if (args.size() > 1)
        return context.usage("read [FILE]");
    auto state = context.initialState();
    if (!state)
        return kExitBadInput;
    TransactionOutcome outcome;
    if (const int code = encodeAndRun(context, TransactionMode::Read, *state, outcome); code != kExitDone)
        return code;
    if (!context.saveSnapshot(*state, args.value(0)))
        return kExitBadInput;
    context.err() << outcome.message.text << Qt::endl;
    return kExitDone;
}

int runWrite(CliContext &context, const QStringList &args)
{
    if (args.size() != 1)
        return context.usage("write FILE");
    auto state = context.stateWithFile(args.first());
    if (!state)
        return kExitBadInput;
    TransactionOutcome outcome;
    if (const int code = encodeAndRun(context, TransactionMode::Write, *state, outcome); code != kExitDone)
        return code;
    context.out() << outcome.message.text << Qt::endl;
    return kExitDone;
}

} // namespace vexlor::cli
