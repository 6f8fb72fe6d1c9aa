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

// The same with its unit.
QString boundText(const ParameterDescriptor &d, const FieldBound &bound, NumberFormat format)
{
    return valueWithUnit(d, boundNumber(bound, format));
}

// The allowed range, and whether `value` lies in it.
struct Limits {
    QString least; // with unit; empty for none
    QString largest;
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
            limits.breached = limits.breached || value < *start;
        }
    }
    return limits;
}

QString allowedText(const Limits &limits)
{
    if (limits.least.isEmpty())
        return limitText(texts::kAtMost).arg(limits.largest);
    if (limits.largest.isEmpty())
        return limitText(texts::kAtLeast).arg(limits.least);
    return limitText(texts::kFromTo).arg(limits.least, limits.largest);
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
    if (d.kind == ParameterKind::LevelCount || d.kind == ParameterKind::Slider)
        return limitText(texts::kFromTo).arg(QString::number(d.minimum), QString::number(d.maximum));
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
