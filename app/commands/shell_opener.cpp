#include "shell_opener.h"

#include <QDesktopServices>

namespace vexlor {

void DesktopShellOpener::open(const QUrl &target)
{
    (void)QDesktopServices::openUrl(target);
}

} // namespace vexlor
