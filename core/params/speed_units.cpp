#include "speed_units.h"

#include "parameter_comparison.h"

#include "translation.h"

#include <cmath>
#include <cstring>

namespace vexlor {
namespace {

// 1 mph is 1.609344 km/h exactly; in whole numbers, 1609344 tenths of km/h
// are 10^6 tenths of mph and 10^7 hundredths of mph.
constexpr qint64 kTenthsKmhPerMillionTenthsMph = 1609344;

// a / b rounded to the nearest whole number, for a >= 0, b > 0.
constexpr qint64 roundedQuotient(qint64 a, qint64 b)
{
    return (2 * a + b) / (2 * b);
}

// Tenths of km/h as mph in steps of 10^-decimals mph, and back.
constexpr qint64 mphSteps(qint64 tenths, int decimals)
{
    const qint64 scale = decimals == 1 ? 1000000 : 10000000;
    return roundedQuotient(tenths * scale, kTenthsKmhPerMillionTenthsMph);
}
constexpr qint64 tenthsOfMphSteps(qint64 steps, int decimals)
{
    const qint64 scale = decimals == 1 ? 1000000 : 10000000;
    return roundedQuotient(steps * kTenthsKmhPerMillionTenthsMph, scale);
}
static_assert(mphSteps(321, 1) == 199 && tenthsOfMphSteps(199, 1) == 320); // 19.9 mph misses 32.1 km/h
static_assert(mphSteps(321, 2) == 1995 && tenthsOfMphSteps(1995, 2) == 321);

QString fixedText(qint64 steps, int decimals, NumberFormat format)
{
    const qint64 scale = decimals == 1 ? 10 : 100;
    return QStringLiteral("%1%2%3")
        .arg(steps / scale)
        .arg(format.separator())
        .arg(steps % scale, decimals, 10, QLatin1Char('0'));
}

//: unit: miles per hour
constexpr const char *kMph = QT_TRANSLATE_NOOP("Parameters", "mph");
//: the Units menu item, and the units a settings sheet names: kilometres per hour
constexpr const char *kMetricName = QT_TRANSLATE_NOOP("Units", "Metric (km/h)");
//: the Units menu item, and the units a settings sheet names: miles per hour
constexpr const char *kImperialName = QT_TRANSLATE_NOOP("Units", "Imperial (mph)");

} // namespace

const char *speedUnitsId(SpeedUnits units)
{
    return units == SpeedUnits::Imperial ? "imperial" : "metric";
}

std::optional<SpeedUnits> speedUnitsFromId(QStringView id)
{
    for (const SpeedUnits units : {SpeedUnits::Metric, SpeedUnits::Imperial}) {
        if (id.trimmed().compare(QLatin1String(speedUnitsId(units)), Qt::CaseInsensitive) == 0)
            return units;
    }
    return std::nullopt;
}

QString speedUnitsName(SpeedUnits units)
{
    return translated("Units", units == SpeedUnits::Imperial ? kImperialName : kMetricName);
}

bool measuresSpeed(const ParameterDescriptor &descriptor)
{
    return std::strcmp(descriptor.unit, "km/h") == 0;
}

QString mphText(int tenths, NumberFormat format)
{
    const qint64 t = qBound(0, tenths, kLargestSpeedTenths);
    const qint64 coarse = mphSteps(t, 1);
    if (tenthsOfMphSteps(coarse, 1) == t)
        return fixedText(coarse, 1, format);
    return fixedText(mphSteps(t, 2), 2, format);
}

std::optional<int> tenthsFromMphText(QStringView text, NumberFormat format)
{
    const std::optional<double> mph = textToReal(text, format);
    if (!mph || std::isnan(*mph))
        return std::nullopt;
    const double tenths = *mph * 16.09344;
    if (!(tenths < kLargestSpeedTenths)) // also an infinite text
        return kLargestSpeedTenths;
    return tenths <= 0 ? 0 : int(std::lround(tenths));
}

QString speedNumberText(int tenths, NumberFormat format, SpeedUnits units)
{
    if (units == SpeedUnits::Imperial)
        return mphText(tenths, format);
    return fixedText(qMax(0, tenths), 1, format);
}

QString speedUnitText(SpeedUnits units)
{
    return parameterText(units == SpeedUnits::Imperial ? kMph : "km/h");
}

QString speedText(int tenths, NumberFormat format, SpeedUnits units)
{
    return speedNumberText(tenths, format, units) + u' ' + speedUnitText(units);
}

QString valueInUnits(int index, quint16 value, NumberFormat format, SpeedUnits units)
{
    const ParameterDescriptor &d = parameterAt(index);
    if (units == SpeedUnits::Imperial && measuresSpeed(d))
        return speedText(value, format, units);
    return valueWithUnit(d, shownValueText(index, value, format));
}

QString fieldTextInUnits(const ParameterDescriptor &d, const QString &text, NumberFormat format,
                         SpeedUnits units)
{
    const QString trimmed = text.trimmed();
    if (units == SpeedUnits::Metric || !measuresSpeed(d))
        return valueWithUnit(d, trimmed);
    const std::optional<double> kmh = textToReal(trimmed, format);
    if (!kmh || *kmh < 0 || *kmh * 10 > kLargestSpeedTenths)
        return valueWithUnit(d, trimmed);
    return speedText(int(std::lround(*kmh * 10)), format, units);
}

} // namespace vexlor
