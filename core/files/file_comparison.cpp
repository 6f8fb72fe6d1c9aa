#include "file_comparison.h"

#include "vxc_reader.h"

#include "params/parameter_codec.h"

namespace vexlor {

FileComparison compareWithFile(const ParameterSnapshot &window, const QString &path,
                               NumberFormat format)
{
    const ConfigurationRead read = readConfigurationFile(path, format);
    if (!read.ok())
        return {read.error, {}, true};
    ParameterSnapshot loaded = window;
    applyToSnapshot(loaded, read.entries, {});
    const EncodedSet windowValues = encodeAll(window, format);
    if (!windowValues.ok())
        return {windowValues.error, {}};
    const EncodedSet fileValues = encodeAll(loaded, format);
    if (!fileValues.ok())
        return {fileValues.error, {}};
    return {{}, differingParameters(windowValues.values, fileValues.values, format)};
}

} // namespace vexlor
