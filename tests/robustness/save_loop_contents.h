#pragma once

#include "params/parameter_snapshot.h"

// The two configurations the save loop alternates between: the window's
// initial one, and one whose file is longer and differs in every text, so a
// truncated or mixed file matches neither.
inline vexlor::ParameterSnapshot oldContent()
{
    return vexlor::ParameterSnapshot::initial();
}

inline vexlor::ParameterSnapshot newContent()
{
    vexlor::ParameterSnapshot s = vexlor::ParameterSnapshot::initial();
    for (vexlor::ControlValue &item : s.items) {
        if (!item.text.isEmpty())
            item.text = QStringLiteral("1234567.875");
        else
            item.number = item.number == 0 ? 1 : 0;
    }
    return s;
}
