#include "commands.h"

#include "params/parameter_codec.h"

namespace vexlor::cli {

int runEncode(CliContext &context, const QStringList &args)
{
    if (args.size() != 1)
        return context.usage("encode FILE");
    const auto snapshot = context.stateWithFile(args.first());
    if (!snapshot)
        return kExitBadInput;
    const EncodedSet encoded = encodeAll(*snapshot, context.numberFormat());
    if (!encoded.ok())
        return context.fail(kExitBadInput, encoded.error);
    for (int index = 0; index < kProtocolItemCount; ++index)
        context.out() << index << ' ' << encoded.values[index] << '\n';
    context.out().flush();
    return kExitDone;
}

} // namespace vexlor::cli
