#include "road_check.h"

#include "road_texts.h"

#include "params/limit_texts.h"
#include "params/parameter_codec.h"

#include <cmath>

namespace vexlor {
namespace {

constexpr int kIndependently = 0; // the working style's first item
// Below the tire's perimeter by more than this share, the bike reads slow
// enough to matter; tables and the formula differ from a measured tire by less.
constexpr double kPerimeterTolerance = 0.03;

QString fieldValue(int index, quint16 value, NumberFormat format)
{
    return valueWithUnit(parameterAt(index), shownValueText(index, value, format));
}

QString atMost(const QString &limit)
{
    return limitText(texts::kAtMost).arg(limit);
}

QString speedText(double kmh, NumberFormat format)
{
    return valueWithUnit(parameterAt(kSpeedLimitIndex),
                         QString::number(kmh, 'f', 1).replace(u'.', format.separator()));
}

QString millimetres(double mm)
{
    return valueWithUnit(parameterAt(kWheelPerimeterIndex), QString::number(qint64(mm)));
}

std::optional<RoadFinding> speedFinding(const ParameterValues &values, const RoadClass &c,
                                        NumberFormat format)
{
    if (values[kSpeedLimitIndex] <= c.speedLimitTenths)
        return std::nullopt;
    return RoadFinding{RoadRule::SpeedLimit, &parameterAt(kSpeedLimitIndex),
                       fieldValue(kSpeedLimitIndex, values[kSpeedLimitIndex], format),
                       roadClassSpeedText(c, format)};
}

std::optional<RoadFinding> powerFinding(const ParameterValues &values, const RoadClass &c,
                                        NumberFormat format)
{
    if (values[kRatedPowerIndex] <= c.ratedPowerLimit)
        return std::nullopt;
    return RoadFinding{RoadRule::RatedPower, &parameterAt(kRatedPowerIndex),
                       fieldValue(kRatedPowerIndex, values[kRatedPowerIndex], format),
                       roadClassPowerText(c)};
}

std::optional<RoadFinding> throttleFinding(const ParameterValues &values, const RoadClass &c,
                                           NumberFormat format)
{
    if (c.throttleWithoutPedalling || values[kUseThrottleIndex] == 0
        || values[kWorkingStyleIndex] != kIndependently)
        return std::nullopt;
    const ParameterDescriptor &style = parameterAt(kWorkingStyleIndex);
    return RoadFinding{RoadRule::ThrottleWithoutPedalling, &style,
                       shownValueText(kWorkingStyleIndex, values[kWorkingStyleIndex], format),
                       roadText(texts::kThrottleOnlyWithPedalling)
                           .arg(parameterText(style.options[1]), parameterText(style.options[2]),
                                parameterText(parameterAt(kUseThrottleIndex).caption))};
}

std::optional<RoadFinding> perimeterFinding(const ParameterValues &values, const TireSize &tire,
                                            NumberFormat format)
{
    const int configured = values[kWheelPerimeterIndex];
    const double least = (1.0 - kPerimeterTolerance) * tire.perimeter;
    if (configured >= least)
        return std::nullopt;
    // The controller cuts off at its speed limit as it measures speed, with
    // the configured perimeter; the wheel covers more ground per turn.
    const QString perimeter = millimetres(configured);
    const double cutOff = values[kSpeedLimitIndex] / 10.0 * tire.perimeter / configured;
    const QString value = configured > 0
        ? roadText(texts::kAssistsUpTo).arg(perimeter, speedText(cutOff, format))
        : roadText(texts::kAssistsAtAnySpeed).arg(perimeter);
    return RoadFinding{RoadRule::WheelPerimeter, &parameterAt(kWheelPerimeterIndex), value,
                       roadText(texts::kAtLeastForTire)
                           .arg(millimetres(std::ceil(least)), tire.name,
                                millimetres(std::round(tire.perimeter)))};
}

} // namespace

const char *roadRuleId(RoadRule rule)
{
    switch (rule) {
    case RoadRule::SpeedLimit:
        return "speed-limit";
    case RoadRule::RatedPower:
        return "rated-power";
    case RoadRule::ThrottleWithoutPedalling:
        return "throttle-without-pedalling";
    case RoadRule::WheelPerimeter:
        return "wheel-perimeter";
    }
    return "";
}

QList<RoadFinding> checkRoadClass(const ParameterValues &values, const RoadClass &roadClass,
                                  const std::optional<TireSize> &tire, NumberFormat format)
{
    QList<RoadFinding> findings;
    for (auto finding : {speedFinding(values, roadClass, format), powerFinding(values, roadClass, format),
                         throttleFinding(values, roadClass, format)}) {
        if (finding)
            findings.append(*finding);
    }
    if (tire) {
        if (auto finding = perimeterFinding(values, *tire, format))
            findings.append(*finding);
    }
    return findings;
}

QString roadFindingLines(const QList<RoadFinding> &findings)
{
    QStringList lines;
    for (const RoadFinding &f : findings)
        lines << limitText(texts::kOutsideLimitsLine).arg(fieldLabel(*f.descriptor), f.value, f.limit);
    return lines.join(u'\n');
}

QStringList roadCheckReport(const ParameterValues &values, const RoadClass *roadClass,
                            const std::optional<TireSize> &tire, NumberFormat format)
{
    if (!roadClass)
        return {roadText(texts::kNoClassChosen)};
    const QString name = roadClassName(*roadClass);
    QStringList lines{roadText(texts::kRoadClassLine).arg(name)};
    lines << (tire ? roadText(texts::kTireLine).arg(tire->name, millimetres(std::round(tire->perimeter)))
                   : roadText(texts::kNoTireGiven));
    const QList<RoadFinding> findings = checkRoadClass(values, *roadClass, tire, format);
    if (findings.isEmpty())
        return lines << roadText(texts::kKeepsClass).arg(name);
    lines << roadText(texts::kBreaksClass).arg(name);
    for (const QString &finding : roadFindingLines(findings).split(u'\n'))
        lines << QStringLiteral("• ") + finding;
    return lines;
}

QString roadClassSpeedText(const RoadClass &roadClass, NumberFormat format)
{
    QString kmh = speedText(roadClass.speedLimitTenths / 10.0, format);
    if (roadClass.speedLimitMph != 0)
        kmh += QStringLiteral(" (%1 mph)").arg(roadClass.speedLimitMph);
    return atMost(kmh);
}

QString roadClassPowerText(const RoadClass &roadClass)
{
    return atMost(valueWithUnit(parameterAt(kRatedPowerIndex), QString::number(roadClass.ratedPowerLimit)));
}

QString roadClassThrottleText(const RoadClass &roadClass)
{
    return roadText(roadClass.throttleWithoutPedalling ? texts::kThrottleWithoutPedallingAllowed
                                                       : texts::kThrottleWithPedallingOnly);
}

} // namespace vexlor
