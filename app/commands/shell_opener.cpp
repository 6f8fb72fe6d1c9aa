#include "shell_opener.h"

#include <QDesktopServices>

namespace vexlor {

bool DesktopShellOpener::open(const QUrl &target)
{
    return QDesktopServices::openUrl(target);
}

} // namespace vexlor
