#pragma once

#include "params/number_text.h"

#include <QString>

#include <array>
#include <span>

namespace vexlor {

// One bound of a field: a value beyond it is replaced by a fixed text.
struct RangeCheck {
    enum class Side { Above, Below };
    Side side = Side::Above;
    double bound = 0;
    const char *replacement = ""; // always written with a point, whatever the locale
};

// What happens to one field's text when the user leaves it for another control.
struct RangeRule {
    const char *control = "";          // the field's object name
    std::array<RangeCheck, 2> checks{}; // tried in order, each on the text as it then stands
    int checkCount = 1;
    // Full throttle voltage only: afterwards it must not lie below the start
    // voltage; if it does it becomes start + 0.2 in the general number format.
    bool notBelowStartVoltage = false;
};

// The field holding the start voltage that the full-voltage rule compares with.
inline constexpr const char *kStartVoltageControl = "LabeledEdit18";

// Every field that has a rule; fields not listed keep whatever is typed.
[[nodiscard]] std::span<const RangeRule> rangeRules();

// The rule of the field with this object name, or nullptr.
[[nodiscard]] const RangeRule *rangeRuleFor(const QString &control);

// The field's text after the rule, and the conversion error that stopped it
// (empty when the rule ran to its end). Texts within bounds stay exactly as
// typed: no reformatting, no rounding.
struct RangeOutcome {
    QString text;
    QString error;
};

[[nodiscard]] RangeOutcome applyRangeRule(const RangeRule &rule, const QString &fieldText,
                                          const QString &startVoltageText, NumberFormat format);

} // namespace vexlor
