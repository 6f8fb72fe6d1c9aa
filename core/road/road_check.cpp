#include "road_check.h"

#include "plausibility_texts.h"
#include "road_texts.h"

#include "params/limit_texts.h"
#include "params/parameter_codec.h"

#include <cmath>

namespace vexlor {
namespace {

constexpr int kIndependently = 0; // the working style's first item
// Off the tire's perimeter by more than this share, the speedometer reads
// wrong enough to note; tables and the formula differ from a measured tire by less.
constexpr double kPerimeterTolerance = 0.03;

QString fieldValue(int index, quint16 value, NumberFormat format, SpeedUnits units)
{
    return valueInUnits(index, value, format, units);
}

QString atMost(const QString &limit)
{
    return limitText(texts::kAtMost).arg(limit);
}

QString millimetres(double mm)
{
    return valueWithUnit(parameterAt(kWheelPerimeterIndex), QString::number(qint64(mm)));
}

std::optional<RoadFinding> speedFinding(const ParameterValues &values, const RoadClass &c,
                                        NumberFormat format, SpeedUnits units)
{
    if (values[kSpeedLimitIndex] <= c.speedLimitTenths)
        return std::nullopt;
    return RoadFinding{RoadRule::SpeedLimit, &parameterAt(kSpeedLimitIndex),
                       fieldValue(kSpeedLimitIndex, values[kSpeedLimitIndex], format, units),
                       roadClassSpeedText(c, format, units)};
}

std::optional<RoadFinding> powerFinding(const ParameterValues &values, const RoadClass &c,
                                        NumberFormat format)
{
    if (values[kRatedPowerIndex] <= c.ratedPowerLimit)
        return std::nullopt;
    return RoadFinding{RoadRule::RatedPower, &parameterAt(kRatedPowerIndex),
                       fieldValue(kRatedPowerIndex, values[kRatedPowerIndex], format, SpeedUnits::Metric),
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

// The speed, in tenths of km/h and at the speed field's tenth, that the
// bike really assists up to: the controller cuts off at `sent` as it
// measures speed, with the perimeter set; the wheel covers the tire's.
int cutOffTenths(int sent, double tirePerimeter, int perimeter)
{
    return int(std::lround(sent * tirePerimeter / perimeter));
}

// The least perimeter at which the real cut-off keeps to `limitTenths`.
int leastKeepingPerimeter(int sent, double tirePerimeter, int limitTenths)
{
    int least = qMax(1, int(sent * tirePerimeter / (limitTenths + 0.5)));
    while (cutOffTenths(sent, tirePerimeter, least) > limitTenths)
        ++least;
    while (least > 1 && cutOffTenths(sent, tirePerimeter, least - 1) <= limitTenths)
        --least;
    return least;
}

std::optional<RoadFinding> perimeterBreach(const ParameterValues &values, const RoadClass &c,
                                           const TireSize &tire, NumberFormat format, SpeedUnits units)
{
    const int configured = values[kWheelPerimeterIndex];
    const int sent = values[kSpeedLimitIndex];
    // A perimeter as long as the tire's or longer cuts off at or below the
    // speed sent, which the speed rule judges.
    if (configured >= tire.perimeter)
        return std::nullopt;
    const QString perimeter = millimetres(configured);
    const QString rolls = tire.name;
    const QString turn = millimetres(std::round(tire.perimeter));
    RoadFinding finding{RoadRule::WheelPerimeter, &parameterAt(kWheelPerimeterIndex), {}, {}};
    if (sent >= kUnlimitedSpeedValue) {
        finding.value = roadText(texts::kNoSpeedLimitAssists).arg(perimeter);
        finding.limit = roadClassSpeedText(c, format, units);
        return finding;
    }
    if (configured > 0 && cutOffTenths(sent, tire.perimeter, configured) <= c.speedLimitTenths)
        return std::nullopt;
    finding.value = configured > 0
        ? roadText(texts::kAssistsUpTo)
              .arg(perimeter, speedText(cutOffTenths(sent, tire.perimeter, configured), format, units))
        : roadText(texts::kAssistsAtAnySpeed).arg(perimeter);
    const int least = leastKeepingPerimeter(sent, tire.perimeter, c.speedLimitTenths);
    finding.limit = roadText(texts::kAtLeastForTire).arg(millimetres(least), rolls, turn);
    return finding;
}

// A perimeter far enough off the tire's that the speedometer reads wrong.
std::optional<RoadFinding> perimeterNote(const ParameterValues &values, const TireSize &tire)
{
    const int configured = values[kWheelPerimeterIndex];
    const double least = (1.0 - kPerimeterTolerance) * tire.perimeter;
    const double most = (1.0 + kPerimeterTolerance) * tire.perimeter;
    if (configured >= least && configured <= most)
        return std::nullopt;
    const int percent = int(std::lround(std::abs(configured / tire.perimeter - 1.0) * 100));
    const char *reads = configured < tire.perimeter ? texts::kReadsSlow : texts::kReadsFast;
    return RoadFinding{RoadRule::WheelPerimeter, &parameterAt(kWheelPerimeterIndex),
                       roadText(reads).arg(millimetres(configured), QString::number(percent)),
                       roadText(texts::kTrueForTire)
                           .arg(millimetres(std::ceil(least)), millimetres(std::floor(most)), tire.name,
                                millimetres(std::round(tire.perimeter))),
                       RoadSeverity::Note};
}

std::optional<RoadFinding> perimeterFinding(const ParameterValues &values, const RoadClass &c,
                                            const TireSize &tire, NumberFormat format, SpeedUnits units)
{
    if (auto breach = perimeterBreach(values, c, tire, format, units))
        return breach;
    return perimeterNote(values, tire);
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
    case RoadRule::LowVoltageProtection:
        return "low-voltage-protection";
    case RoadRule::BatteryOverPhaseCurrent:
        return "battery-over-phase-current";
    case RoadRule::WheelPerimeterRange:
        return "wheel-perimeter-range";
    case RoadRule::PasLevelsOrder:
        return "pas-levels-order";
    case RoadRule::ThrottleVoltages:
        return "throttle-voltages";
    case RoadRule::ZeroCount:
        return "zero-count";
    }
    return "";
}

const char *roadSeverityId(RoadSeverity severity)
{
    switch (severity) {
    case RoadSeverity::Note:
        return "note";
    case RoadSeverity::Warn:
        return "warn";
    case RoadSeverity::Breaks:
        return "breaks";
    }
    return "";
}

QList<RoadFinding> checkRoadClass(const ParameterValues &values, const RoadClass &roadClass,
                                  const std::optional<TireSize> &tire, NumberFormat format, SpeedUnits units)
{
    QList<RoadFinding> findings;
    for (auto finding : {speedFinding(values, roadClass, format, units), powerFinding(values, roadClass, format),
                         throttleFinding(values, roadClass, format)}) {
        if (finding)
            findings.append(*finding);
    }
    if (tire) {
        if (auto finding = perimeterFinding(values, roadClass, *tire, format, units))
            findings.append(*finding);
    }
    return findings;
}

QList<RoadFinding> roadBreaches(const QList<RoadFinding> &findings)
{
    return findingsOfSeverity(findings, RoadSeverity::Breaks);
}

QList<RoadFinding> findingsOfSeverity(const QList<RoadFinding> &findings, RoadSeverity severity)
{
    QList<RoadFinding> some;
    for (const RoadFinding &f : findings) {
        if (f.severity == severity)
            some.append(f);
    }
    return some;
}

QString roadFindingLines(const QList<RoadFinding> &findings)
{
    QStringList lines;
    for (const RoadFinding &f : findings) {
        QString line = limitText(texts::kOutsideLimitsLine);
        if (f.severity == RoadSeverity::Note)
            line = roadText(texts::kNoteLine);
        else if (f.severity == RoadSeverity::Warn)
            line = plausibilityText(texts::kWarningLine);
        lines << line.arg(fieldLabel(*f.descriptor), f.value, f.limit);
    }
    return lines.join(u'\n');
}

QStringList roadCheckReport(const ParameterValues &values, const RoadClass *roadClass,
                            const std::optional<TireSize> &tire, NumberFormat format, SpeedUnits units)
{
    if (!roadClass)
        return {roadText(texts::kNoClassChosen)};
    const QString name = roadClassName(*roadClass);
    QStringList lines{roadText(texts::kRoadClassLine).arg(name)};
    lines << (tire ? roadText(texts::kTireLine).arg(tire->name, millimetres(std::round(tire->perimeter)))
                   : roadText(texts::kNoTireGiven));
    const QList<RoadFinding> findings = checkRoadClass(values, *roadClass, tire, format, units);
    const QList<RoadFinding> breaches = roadBreaches(findings);
    QList<RoadFinding> notes;
    for (const RoadFinding &f : findings) {
        if (f.severity != RoadSeverity::Breaks)
            notes.append(f);
    }
    const auto bullets = [&lines](const QList<RoadFinding> &some) {
        for (const QString &finding : roadFindingLines(some).split(u'\n'))
            lines << QStringLiteral("• ") + finding;
    };
    lines << roadText(breaches.isEmpty() ? texts::kKeepsClass : texts::kBreaksClass).arg(name);
    if (!breaches.isEmpty())
        bullets(breaches);
    if (!notes.isEmpty()) {
        lines << roadText(texts::kNotesHeading);
        bullets(notes);
    }
    return lines;
}

QString roadClassSpeedText(const RoadClass &roadClass, NumberFormat format, SpeedUnits units)
{
    // The speed the controller can hold, then the law's own figure where it
    // reads otherwise: a limit in mph is held as the tenth of km/h below it.
    const QString held = speedText(roadClass.speedLimitTenths, format, units);
    QString law;
    if (roadClass.speedLimitMph != 0)
        law = QStringLiteral("%1 %2").arg(roadClass.speedLimitMph).arg(speedUnitText(SpeedUnits::Imperial));
    else if (units == SpeedUnits::Imperial)
        law = QStringLiteral("%1 %2")
                  .arg(generalNumberText(roadClass.speedLimitTenths / 10.0, format),
                       speedUnitText(SpeedUnits::Metric));
    return atMost(law.isEmpty() || law == held ? held : QStringLiteral("%1 (%2)").arg(held, law));
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
