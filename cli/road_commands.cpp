// The commands of a bike shop handing a bike back: the road classes, the
// check of a file's plausibility and against a class, and the file's or the
// controller's fingerprint.

#include "commands.h"
#include "controller_run.h"
#include "road_options.h"

#include "params/parameter_codec.h"
#include "params/settings_fingerprint.h"
#include "protocol/transaction_texts.h"
#include "road/plausibility_check.h"
#include "session/controller_read.h"

namespace vexlor::cli {
namespace {

constexpr const char *kCheckSynopsis = "check FILE [--class ID [--tire ETRTO]] [--strict]";

// Reads the controller's sixty values as it holds them.
int readControllerValues(CliContext &context, const ParameterValues &sent, ParameterValues &held)
{
    ControllerRun run(context, transactionText(vexlor::texts::kCommunicationFailed));
    ControllerRead read(context.session(), context.numberFormat());
    QObject::connect(&read, &ControllerRead::valueReceived, &run,
                     [&](int index, quint16 value) { held[index] = value; });
    QObject::connect(&read, &ControllerRead::finished, &run, [&](const TransactionOutcome &outcome) {
        if (!outcome.passed)
            reportFailure(context, outcome);
        run.finish(outcome.passed ? kExitDone : kExitLinkFailure);
    });
    return run.run([&] {
        if (read.start(sent) != ExchangeStart::Started)
            run.finish(kExitLinkFailure);
    });
}

} // namespace

int runClasses(CliContext &context, const QStringList &args)
{
    if (!args.isEmpty())
        return context.usage("classes");
    // ID, NAME, speed, power, throttle: tab-separated, for scripts and people.
    for (const RoadClass &c : roadClasses()) {
        context.out() << c.id << '\t' << roadClassName(c) << '\t'
                      << roadClassSpeedText(c, context.numberFormat(), context.speedUnits()) << '\t'
                      << roadClassPowerText(c)
                      << '\t' << roadClassThrottleText(c) << '\n';
    }
    context.out().flush();
    return kExitDone;
}

int runCheck(CliContext &context, const QStringList &args)
{
    const auto options = parseRoadOptions(context, args, RoadExtra::Strict);
    if (!options)
        return kExitBadInput;
    // The tire counts only for a class's wheel-perimeter rule.
    if (options->files.size() != 1 || (options->tire && !options->roadClass))
        return context.usage(kCheckSynopsis);
    const auto file = context.encodedStateWithFile(options->files.first());
    if (!file)
        return kExitBadInput;
    const QList<RoadFinding> findings =
        checkEveryRule(file->values, options->roadClass, options->tire, context.numberFormat(),
                       context.speedUnits());
    // STATUS, RULE, CAPTION, VALUE, LIMIT, tab-separated, one line per
    // finding; notes keep to the class, warnings do unless --strict.
    for (const RoadFinding &f : findings) {
        context.out() << roadSeverityId(f.severity) << '\t' << roadRuleId(f.rule) << '\t'
                      << fieldLabel(*f.descriptor) << '\t' << f.value << '\t' << f.limit << '\n';
    }
    context.out().flush();
    const bool warned = !findingsOfSeverity(findings, RoadSeverity::Warn).isEmpty();
    return roadBreaches(findings).isEmpty() && !(options->strict && warned) ? kExitDone : kExitBreaksClass;
}

int runFingerprint(CliContext &context, const QStringList &args)
{
    if (args.size() > 1)
        return context.usage("fingerprint [FILE]");
    ParameterValues values{};
    if (!args.isEmpty()) {
        const auto file = context.encodedStateWithFile(args.first());
        if (!file)
            return kExitBadInput;
        values = file->values;
    } else {
        // The read frames carry the values a write of the initial state sends.
        const auto initial = context.encodedInitialState();
        if (!initial)
            return kExitBadInput;
        if (const int code = readControllerValues(context, initial->values, values); code != kExitDone)
            return code;
    }
    context.out() << settingsFingerprint(values) << Qt::endl;
    return kExitDone;
}

} // namespace vexlor::cli
