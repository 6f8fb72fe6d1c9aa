#include "program_info.h"

#include <QCoreApplication>

namespace vexlor {

QString executableFolder()
{
    return QCoreApplication::applicationDirPath() + u'/';
}

} // namespace vexlor
