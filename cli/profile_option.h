#pragma once

#include <QString>
#include <QStringList>

namespace vexlor::cli {

// Every `--profile NAME` (or `--profile=NAME`) among a command's arguments
// replaced by the path of that profile's .vxc file, so that each command
// taking FILE takes a profile instead. The message for a name that is no
// profile's, or empty when every one was found.
[[nodiscard]] QString replaceProfileOptions(QStringList &args);

} // namespace vexlor::cli
