#include "range_rules.h"

#include "params/field_limits.h"
#include "params/parameter_table.h"

#include <optional>

namespace vexlor {
namespace {

// The ordering step of the full voltage: below the start voltage it becomes
// start + 0.2 in the general number format; equal values stay.
void keepNotBelowStartVoltage(RangeOutcome &out, const QString &startVoltageText,
                              NumberFormat format)
{
    const std::optional<double> full = textToReal(out.text, format);
    if (!full) {
        out.error = notAValidFloatMessage(out.text);
        return;
    }
    const std::optional<double> start = textToReal(startVoltageText, format);
    if (!start) {
        out.error = notAValidFloatMessage(startVoltageText);
        return;
    }
    if (*full < *start)
        out.text = generalNumberText(*start + 0.2, format);
}

} // namespace

RangeOutcome applyRangeRule(const ParameterDescriptor &parameter, const QString &fieldText,
                            const QString &startVoltageText, NumberFormat format)
{
    RangeOutcome out{fieldText, {}};
    // Each step converts the text as it stands after the previous one. The
    // replacements are written with the user's decimal separator: one with a
    // point would be refused as no number under a decimal-comma locale, by
    // the next step, the next exit and every write and save.
    for (const FieldBound &bound : parameter.bounds) {
        if (bound.side == FieldBound::Side::None)
            break;
        const std::optional<double> value = textToReal(out.text, format);
        if (!value) {
            out.error = notAValidFloatMessage(out.text);
            return out;
        }
        if (beyondBound(bound, *value))
            out.text = QString::fromLatin1(bound.replacement).replace(u'.', format.separator());
    }
    if (parameter.notBelowStartVoltage)
        keepNotBelowStartVoltage(out, startVoltageText, format);
    return out;
}

} // namespace vexlor
