#include "commands.h"

#include "files/vxc_writer.h"
#include "params/message_input.h"
#include "params/parameter_codec.h"
#include "params/parameter_table.h"

namespace vexlor::cli {
namespace {

// Two files set a parameter alike when the controller would receive the same
// sixteen-bit value from both ("8" and "8.0", "502" and "500" ms); a text
// that is no value to send is compared as the text it is.
bool setAlike(const ParameterDescriptor &d, const ParameterSnapshot &a, const ParameterSnapshot &b,
              NumberFormat format)
{
    const EncodedValue left = encodeParameter(d.index, a, format);
    const EncodedValue right = encodeParameter(d.index, b, format);
    if (left.ok() && right.ok())
        return left.value == right.value;
    return storedValueText(d, a[d.index]) == storedValueText(d, b[d.index]);
}

} // namespace

int runDiff(CliContext &context, const QStringList &args)
{
    if (args.size() != 2)
        return context.usage("diff A B");
    // Both files over the same initial state, as the window would load them,
    // so a parameter missing from one file compares with the default.
    auto a = context.stateWithFile(args[0]);
    if (!a)
        return kExitBadInput;
    auto b = context.stateWithFile(args[1]);
    if (!b)
        return kExitBadInput;
    // The files keep the speed limit whatever --no-speed-limit sends.
    a->limitMaxSpeed = b->limitMaxSpeed = true;
    bool differ = false;
    for (const ParameterDescriptor *d : storedParameters()) {
        if (setAlike(*d, *a, *b, context.numberFormat()))
            continue;
        differ = true;
        // In full (a shortened pair could hide the difference), but never raw.
        context.out() << d->index << ' ' << d->name << " \""
                      << escapedForDisplay(storedValueText(*d, (*a)[d->index])) << "\" \""
                      << escapedForDisplay(storedValueText(*d, (*b)[d->index])) << "\"\n";
    }
    context.out().flush();
    return differ ? kExitDifferent : kExitDone;
}

} // namespace vexlor::cli
