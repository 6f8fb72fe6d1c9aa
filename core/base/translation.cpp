#include "translation.h"

#include <QCoreApplication>

namespace vexlor {

QString translated(const char *context, const char *text)
{
    if (!text || !*text)
        return {}; // an empty caption or unit is no message
    return QCoreApplication::translate(context, text);
}

QString parameterText(const char *text)
{
    return translated("Parameters", text);
}

} // namespace vexlor
