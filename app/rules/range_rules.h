#pragma once

#include "params/number_text.h"

#include <QString>

namespace vexlor {

struct ParameterDescriptor;

// The field's text after its range rule, and the conversion error that
// stopped the rule (empty when it ran to its end). Texts within bounds stay
// exactly as typed: no reformatting, no rounding.
struct RangeOutcome {
    QString text;
    QString error;
};

// What leaving the field of `parameter` does to `fieldText`, by the bounds the
// parameter table gives it. The full throttle voltage also reads the start
// voltage's text. A parameter without a range rule keeps its text.
[[nodiscard]] RangeOutcome applyRangeRule(const ParameterDescriptor &parameter,
                                          const QString &fieldText,
                                          const QString &startVoltageText, NumberFormat format);

} // namespace vexlor
