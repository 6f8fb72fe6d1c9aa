#include "parameter_comparison.h"

#include "comparison_texts.h"
#include "parameter_codec.h"
#include "parameter_order.h"

#include "translation.h"

#include <algorithm>

namespace vexlor {

QString shownValueText(int index, quint16 value, NumberFormat format)
{
    const ParameterDescriptor &d = parameterAt(index);
    const std::optional<ControlValue> decoded = decodeParameter(index, value, format);
    if (!decoded)
        return QString::number(value);
    switch (d.kind) {
    case ParameterKind::Flag:
        return comparisonText(decoded->number != 0 ? texts::kTicked : texts::kCleared);
    case ParameterKind::TwoWay:
    case ParameterKind::Choice:
        return parameterText(d.options[std::clamp(decoded->number, 0, d.optionCount - 1)]);
    case ParameterKind::Slider:
        return QString::number(decoded->number);
    default:
        return decoded->text;
    }
}

QString shownUnit(const ParameterDescriptor &descriptor)
{
    QString unit = parameterText(descriptor.unit).trimmed();
    if (unit.endsWith(u','))
        unit.chop(1);
    return unit;
}

QString valueWithUnit(const ParameterDescriptor &descriptor, const QString &text)
{
    const QString unit = shownUnit(descriptor);
    if (unit.isEmpty())
        return text;
    return unit.startsWith(u':') ? text + unit : text + u' ' + unit;
}

QList<ParameterDifference> differingParameters(const ParameterValues &expected,
                                               const ParameterValues &actual, NumberFormat format)
{
    QList<ParameterDifference> differences;
    for (const int index : parametersInWindowOrder()) {
        if (expected[index] == actual[index])
            continue;
        ParameterDifference d{index, &parameterAt(index), expected[index], actual[index],
                              shownValueText(index, expected[index], format),
                              shownValueText(index, actual[index], format)};
        // Two equal texts would hide the difference being reported.
        if (d.expectedText == d.actualText) {
            d.expectedText += QStringLiteral(" (%1)").arg(d.expectedValue);
            d.actualText += QStringLiteral(" (%1)").arg(d.actualValue);
        }
        differences.append(d);
    }
    return differences;
}

} // namespace vexlor
