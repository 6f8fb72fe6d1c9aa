// What each setting does: the explanation the window shows as a field's tip.

#include "cli_texts.h"
#include "commands.h"

#include "params/message_input.h"
#include "params/parameter_codec.h"
#include "params/parameter_explanation.h"
#include "params/parameter_order.h"

#include <utility>

namespace vexlor::cli {
namespace {

constexpr const char *kExplainSynopsis = "explain [NAME]";

// The stored parameter called `name`, in any case ("maxbatterycurrent").
const ParameterDescriptor *parameterNamed(const QString &name)
{
    for (const ParameterDescriptor *d : storedParameters()) {
        if (name.compare(QLatin1String(d->name), Qt::CaseInsensitive) == 0)
            return d;
    }
    return nullptr;
}

// One block: "MaxBatteryCurrent: Max battery current", then the explanation.
void printBlock(CliContext &context, const ParameterDescriptor &d)
{
    context.out() << d.name << ": " << fieldLabel(d) << '\n'
                  << explainParameter(d, context.numberFormat(), context.speedUnits()) << '\n';
}

} // namespace

int runExplain(CliContext &context, const QStringList &args)
{
    if (args.size() > 1)
        return context.usage(kExplainSynopsis);
    if (args.size() == 1) {
        const ParameterDescriptor *d = parameterNamed(args.first());
        if (!d) {
            //: %1 what was given as NAME; keep "vexlor-cli explain" as it is
            return context.fail(kExitBadInput,
                                CliText::tr("'%1' is no parameter. vexlor-cli explain lists them all.")
                                    .arg(inputForMessage(args.first())));
        }
        printBlock(context, *d);
    } else {
        // In the window's order, a blank line between blocks.
        bool first = true;
        for (const int index : parametersInWindowOrder()) {
            if (!std::exchange(first, false))
                context.out() << '\n';
            printBlock(context, parameterAt(index));
        }
    }
    context.out().flush();
    return kExitDone;
}

} // namespace vexlor::cli
