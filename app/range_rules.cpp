#include "range_rules.h"

#include <optional>

namespace vexlor {
namespace {

using Side = RangeCheck::Side;

constexpr RangeRule upperBound(const char *control, double bound, const char *replacement)
{
    return RangeRule{control, {RangeCheck{Side::Above, bound, replacement}, RangeCheck{}}, 1, false};
}

// Bounds are the controller's limits. 0.9 and 4.2 are compared as doubles, as typed.
constexpr std::array kRules = {
    upperBound("LabeledEdit16", 30, "30.0"), // battery current, A
    upperBound("LabeledEdit1", 100, "100"),  // throttle output, %
    RangeRule{"LabeledEdit3", {RangeCheck{Side::Below, 200, "200"}, RangeCheck{}}, 1, false}, // stop delay, ms
    upperBound("LabeledEdit5", 100, "100"),
    upperBound("LabeledEdit6", 100, "100"),
    upperBound("LabeledEdit7", 100, "100"),
    upperBound("LabeledEdit8", 100, "100"),
    upperBound("LabeledEdit9", 100, "100"),
    upperBound("LabeledEdit10", 100, "100"),
    upperBound("LabeledEdit11", 100, "100"),
    upperBound("LabeledEdit12", 100, "100"),
    upperBound("LabeledEdit13", 100, "100"),
    upperBound("LabeledEdit19", 100, "100"), // walk assist, %
    upperBound("Edit3", 500, "500"),         // rated power, W
    upperBound("Edit5", 5000, "5000"),       // no-load speed, rpm
    upperBound("Edit10", 70, "70"),          // phase current, A
    RangeRule{kStartVoltageControl,
              {RangeCheck{Side::Below, 0.9, "0.9"}, RangeCheck{Side::Above, 3, "3.0"}}, 2, false},
    RangeRule{"LabeledEdit26", {RangeCheck{Side::Above, 4.2, "4.2"}, RangeCheck{}}, 1, true},
};

bool beyond(const RangeCheck &check, double value)
{
    return check.side == Side::Above ? value > check.bound : value < check.bound;
}

} // namespace

std::span<const RangeRule> rangeRules()
{
    return kRules;
}

const RangeRule *rangeRuleFor(const QString &control)
{
    for (const auto &rule : kRules) {
        if (control == QLatin1String(rule.control))
            return &rule;
    }
    return nullptr;
}

RangeOutcome applyRangeRule(const RangeRule &rule, const QString &fieldText,
                            const QString &startVoltageText, NumberFormat format)
{
    RangeOutcome out{fieldText, {}};
    // Each step converts the text as it stands after the previous one, so a
    // replacement with a point fails to convert under a decimal-comma locale.
    for (int i = 0; i < rule.checkCount; ++i) {
        const std::optional<double> value = textToReal(out.text, format);
        if (!value) {
            out.error = notAValidFloatMessage(out.text);
            return out;
        }
        if (beyond(rule.checks[i], *value))
            out.text = QString::fromLatin1(rule.checks[i].replacement);
    }
    if (rule.notBelowStartVoltage) {
        const std::optional<double> full = textToReal(out.text, format);
        if (!full) {
            out.error = notAValidFloatMessage(out.text);
            return out;
        }
        const std::optional<double> start = textToReal(startVoltageText, format);
        if (!start) {
            out.error = notAValidFloatMessage(startVoltageText);
            return out;
        }
        if (*full < *start)
            out.text = generalNumberText(*start + 0.2, format);
    }
    return out;
}

} // namespace vexlor
