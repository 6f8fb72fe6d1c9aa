#include "field_limits.h"

#include "limit_texts.h"
#include "message_input.h"
#include "parameter_codec.h"
#include "parameter_comparison.h"

#include <optional>

namespace vexlor {
namespace {

// A bound as the window's rule writes it into the field.
QString boundNumber(const FieldBound &bound, NumberFormat format)
{
    return QString::fromLatin1(bound.replacement).replace(u'.', format.separator());
}

// The same with the unit limit texts write it in: "200 ms", not "200 ms stop pedaling".
QString boundText(const ParameterDescriptor &d, const FieldBound &bound, NumberFormat format)
{
    const QString number = boundNumber(bound, format);
    if (*d.limitUnit)
        return number + u' ' + parameterText(d.limitUnit);
    return valueWithUnit(d, number);
}

// The allowed range, and whether `value` lies in it.
struct Limits {
    QString least; // with unit; empty for none
    QString largest;
    bool leastIsStartVoltage = false; // the full voltage's: the start voltage set
    bool breached = false;
};

Limits limitsOf(const ParameterDescriptor &d, double value, const ParameterSnapshot &snapshot,
                NumberFormat format)
{
    Limits limits;
    for (const FieldBound &bound : d.bounds) {
        if (bound.side == FieldBound::Side::None)
            continue;
        (bound.side == FieldBound::Side::Above ? limits.largest : limits.least) =
            boundText(d, bound, format);
        limits.breached = limits.breached || beyondBound(bound, value);
    }
    if (d.notBelowStartVoltage) {
        const QString &startText = snapshot[kThrottleStartVoltageIndex].text;
        if (const std::optional<double> start = textToReal(startText, format)) {
            limits.least = valueWithUnit(d, inputForMessage(startText));
            limits.leastIsStartVoltage = true;
            limits.breached = limits.breached || value < *start; // equal is allowed
        }
    }
    return limits;
}

QString allowedText(const Limits &limits)
{
    if (limits.least.isEmpty())
        return limitText(texts::kAtMost).arg(limits.largest);
    if (limits.largest.isEmpty())
        return limitText(texts::kOrMore).arg(limits.least);
    if (limits.leastIsStartVoltage)
        return limitText(texts::kFromStartVoltageTo).arg(limits.least, limits.largest);
    return limitText(texts::kFromTo).arg(limits.least, limits.largest);
}

// The positions of a control that steps instead of taking text: the level
// count's up-down, a track bar, a radio group's items. None for the others.
struct Steps {
    int least = 0;
    int largest = 0;
};

std::optional<Steps> stepsOf(const ParameterDescriptor &d)
{
    switch (d.kind) {
    case ParameterKind::LevelCount:
    case ParameterKind::Slider:
        return Steps{d.minimum, d.maximum};
    case ParameterKind::Choice:
        return Steps{0, d.optionCount - 1};
    default:
        return std::nullopt;
    }
}

QString stepsText(const Steps &steps)
{
    return limitText(texts::kFromTo).arg(QString::number(steps.least), QString::number(steps.largest));
}

// A stepping control's value beyond its positions. The level count's field
// holds whatever a file or a read put there (its up-down only clamps its own
// position); a radio group with nothing selected (-1) is refused by encoding.
std::optional<LimitBreach> stepBreach(const ParameterDescriptor &d, const Steps &steps,
                                      const ControlValue &control, NumberFormat format)
{
    const bool isText = d.hasTextControl();
    if (d.kind == ParameterKind::Choice && control.number < 0)
        return std::nullopt;
    const QString text = isText ? control.text : QString::number(control.number);
    const std::optional<double> value =
        isText ? textToReal(text, format) : std::optional<double>(control.number);
    if (!value || (*value >= steps.least && *value <= steps.largest))
        return std::nullopt;
    return LimitBreach{&d, text, stepsText(steps)};
}

} // namespace

bool beyondBound(const FieldBound &bound, double value)
{
    switch (bound.side) {
    case FieldBound::Side::Above:
        return value > bound.limit;
    case FieldBound::Side::Below:
        return value < bound.limit;
    case FieldBound::Side::None:
        break;
    }
    return false;
}

QList<LimitBreach> valuesBeyondFieldLimits(const ParameterSnapshot &snapshot, NumberFormat format)
{
    QList<LimitBreach> breaches;
    for (const ParameterDescriptor *d : storedParameters()) {
        if (const std::optional<Steps> steps = stepsOf(*d)) {
            if (auto breach = stepBreach(*d, *steps, snapshot[d->index], format))
                breaches.append(*breach);
            continue;
        }
        if (!d->hasRangeRule())
            continue;
        const QString &text = snapshot[d->index].text;
        const std::optional<double> value = textToReal(text, format);
        if (!value)
            continue;
        const Limits limits = limitsOf(*d, *value, snapshot, format);
        if (limits.breached)
            breaches.append({d, text, allowedText(limits)});
    }
    return breaches;
}

QString fieldRangeText(const ParameterDescriptor &d, NumberFormat format)
{
    if (const std::optional<Steps> steps = stepsOf(d))
        return stepsText(*steps);
    Limits limits;
    for (const FieldBound &bound : d.bounds) {
        if (bound.side != FieldBound::Side::None)
            (bound.side == FieldBound::Side::Above ? limits.largest : limits.least) =
                boundNumber(bound, format);
    }
    if (d.notBelowStartVoltage)
        limits.least = limitText(texts::kTheStartVoltage);
    if (limits.least.isEmpty() && limits.largest.isEmpty())
        return {};
    // Said after the unit ("milliseconds stop pedaling, at least 200"), where
    // "200 or more" would leave the number without its unit.
    if (limits.largest.isEmpty())
        return limitText(texts::kAtLeast).arg(limits.least);
    return allowedText(limits);
}

QString allowedRangeText(const ParameterDescriptor &d, NumberFormat format)
{
    if (const std::optional<Steps> steps = stepsOf(d))
        return stepsText(*steps);
    Limits limits;
    for (const FieldBound &bound : d.bounds) {
        if (bound.side != FieldBound::Side::None)
            (bound.side == FieldBound::Side::Above ? limits.largest : limits.least) =
                boundText(d, bound, format);
    }
    if (d.notBelowStartVoltage)
        limits.least = limitText(texts::kTheStartVoltage);
    if (limits.least.isEmpty() && limits.largest.isEmpty())
        return {};
    return allowedText(limits);
}

QString limitBreachLines(const QList<LimitBreach> &breaches)
{
    QStringList lines;
    for (const LimitBreach &b : breaches) {
        lines << limitText(texts::kOutsideLimitsLine)
                     .arg(fieldLabel(*b.descriptor), valueWithUnit(*b.descriptor, inputForMessage(b.text)),
                          b.allowed);
    }
    return lines.join(u'\n');
}

} // namespace vexlor
