#include "parameter_snapshot.h"

namespace vexlor {

ParameterSnapshot ParameterSnapshot::initial()
{
    ParameterSnapshot s;
    for (const auto &d : parameterTable()) {
        if (!d.isStored())
            continue;
        if (d.hasTextControl())
            s[d.index].text = QString::fromUtf8(d.defaultText);
        else
            s[d.index].number = d.defaultNumber;
    }
    s.limitMaxSpeed = true;
    return s;
}

} // namespace vexlor
