#include "parameter_explanation.h"

#include "explanation_texts.h"
#include "field_limits.h"
#include "parameter_comparison.h"
#include "parameter_effects.h"

#include <QStringList>

namespace vexlor {
namespace {

using K = ParameterKind;

// The measure alone: "ms" for "ms stop pedaling", "magnets" for "magnets a
// circle"; none for a ratio, whose ":1" its values carry ("8:1").
QString measureOf(const ParameterDescriptor &d, SpeedUnits units)
{
    if (measuresSpeed(d))
        return speedUnitText(units);
    if (*d.limitUnit)
        return parameterText(d.limitUnit);
    const QString unit = shownUnit(d);
    return unit.startsWith(u':') ? QString() : unit;
}

// A number of the table with its unit, as the range's bounds are written.
QString valueText(const ParameterDescriptor &d, const char *number, NumberFormat format)
{
    const QString text = QString::fromLatin1(number).replace(u'.', format.separator());
    if (*d.limitUnit)
        return text + u' ' + parameterText(d.limitUnit);
    return valueWithUnit(d, text);
}

QString choicesText(const ParameterDescriptor &d)
{
    QStringList options;
    for (int i = 0; i < d.optionCount; ++i)
        options << explanationText(texts::kQuotedChoice).arg(parameterText(d.options[i]));
    return explanationText(texts::kChoices).arg(options.join(QStringLiteral(", ")));
}

QString rangeText(const ParameterDescriptor &d, NumberFormat format)
{
    switch (d.kind) {
    case K::Flag:
        return explanationText(texts::kTickedOrClear);
    case K::TwoWay:
    case K::Choice:
        return choicesText(d);
    default:
        break;
    }
    const QString allowed = allowedRangeText(d, format);
    if (allowed.isEmpty())
        return explanationText(texts::kNoWindowLimit);
    return explanationText(texts::kAllowed).arg(allowed);
}

QString initialText(const ParameterDescriptor &d, NumberFormat format, SpeedUnits units)
{
    if (measuresSpeed(d)) {
        const QString kmh = QString::fromLatin1(d.defaultText).replace(u'.', format.separator());
        return fieldTextInUnits(d, kmh, format, units);
    }
    switch (d.kind) {
    case K::Flag:
        return explanationText(d.defaultNumber ? texts::kTicked : texts::kClear);
    case K::TwoWay:
    case K::Choice:
        return parameterText(d.options[d.defaultNumber]);
    case K::Slider:
        return QString::number(d.defaultNumber);
    default:
        return valueText(d, d.defaultText, format);
    }
}

// What a value too high and too low does; for a tick box or a choice there
// is no higher or lower.
QStringList effectLines(const ParameterDescriptor &d, const ParameterEffects &effects)
{
    if (d.kind == K::Flag || d.kind == K::TwoWay || d.kind == K::Choice)
        return {};
    if (!effects.higher && !effects.lower)
        return {explanationText(texts::kEffectsNotKnown)};
    const auto effect = [](const char *text) {
        return explanationText(text ? text : texts::kEffectNotKnown);
    };
    return {explanationText(texts::kTooHigh).arg(effect(effects.higher)),
            explanationText(texts::kTooLow).arg(effect(effects.lower))};
}

} // namespace

QString explanationFacts(const ParameterDescriptor &d, NumberFormat format, SpeedUnits units)
{
    QStringList facts;
    if (const QString measure = measureOf(d, units); !measure.isEmpty())
        facts << explanationText(texts::kUnit).arg(measure);
    facts << rangeText(d, format);
    facts << explanationText(texts::kInitialValue).arg(initialText(d, format, units));
    return facts.join(u' ');
}

QString explainParameter(const ParameterDescriptor &d, NumberFormat format, SpeedUnits units)
{
    const ParameterEffects *effects = effectsOf(d);
    Q_ASSERT(effects); // every stored parameter has its explanation
    if (!effects)
        return explanationFacts(d, format, units);
    QStringList lines{explanationText(effects->what)};
    lines << effectLines(d, *effects);
    lines << explanationFacts(d, format, units);
    return lines.join(u'\n');
}

} // namespace vexlor
