#include "commands.h"

#include "config/vxc_writer.h"
#include "params/message_input.h"
#include "params/parameter_table.h"

namespace vexlor::cli {

int runDiff(CliContext &context, const QStringList &args)
{
    if (args.size() != 2)
        return context.usage("diff A B");
    // Both files over the same initial state, as the window would load them,
    // so a parameter missing from one file compares with the default.
    const auto a = context.stateWithFile(args[0]);
    if (!a)
        return kExitBadInput;
    const auto b = context.stateWithFile(args[1]);
    if (!b)
        return kExitBadInput;
    bool differ = false;
    for (const ParameterDescriptor *d : storedParameters()) {
        const QString left = storedValueText(*d, (*a)[d->index]);
        const QString right = storedValueText(*d, (*b)[d->index]);
        if (left == right)
            continue;
        differ = true;
        // In full (a shortened pair could hide the difference), but never raw.
        context.out() << d->index << ' ' << d->name << " \"" << escapedForDisplay(left) << "\" \""
                      << escapedForDisplay(right) << "\"\n";
    }
    context.out().flush();
    return differ ? kExitDifferent : kExitDone;
}

} // namespace vexlor::cli
