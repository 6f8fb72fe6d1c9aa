#pragma once

#include <QString>

namespace vexlor {

// Where a data file of the tool (default.vxc, help.pdf) is found, in order:
// the folder named by the environment variable VEXLOR_DATA_DIR (tests and
// development), the executable's folder (a build tree or a portable copy), the
// data folder of the prefix it was installed to (<prefix>/share/vexlor-adjustor
// beside <prefix>/bin), then the installed data folders ("vexlor-adjustor/<name>"
// under the system's shared data locations). When none has it, the path beside the executable, so
// that an error names the place the file was expected first.
[[nodiscard]] QString locateDataFile(const QString &name);

} // namespace vexlor
