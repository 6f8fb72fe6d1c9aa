#include "plausibility_check.h"

#include "plausibility_texts.h"

#include "params/limit_texts.h"
#include "params/parameter_codec.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vexlor {
namespace {

constexpr int kMaxBatteryCurrentIndex = 1;
constexpr int kLowVoltageProtectionIndex = 2;
constexpr int kThrottleFullVoltageIndex = 18;
constexpr int kMotorRatedVoltageIndex = 42;
constexpr int kMaxPhaseCurrentIndex = 50;
// The fields whose zero leaves the controller nothing to count by: the
// speedometer's and the pedal sensor's magnets, the motor's pole pairs.
constexpr std::array kCountIndices = {6, 10, 45};
// A cell's plausible cut-off, in tenths of a volt.
constexpr int kLeastCellTenths = 28;
constexpr int kLargestCellTenths = 36;
constexpr int kFullLevel = 100; // %

QString fieldValue(int index, quint16 value, NumberFormat format)
{
    return valueWithUnit(parameterAt(index), shownValueText(index, value, format));
}

// A decimal field's value at its tenth, as the window shows it.
int tenthsOf(int index, quint16 value)
{
    return int(std::lround(value * 10.0 / parameterAt(index).factor));
}

QString tenthsText(int index, int tenths, NumberFormat format)
{
    const QString number = QStringLiteral("%1%2%3").arg(tenths / 10).arg(format.separator()).arg(tenths % 10);
    return valueWithUnit(parameterAt(index), number);
}

RoadFinding warning(RoadRule rule, int index, const ParameterValues &values, NumberFormat format,
                    const QString &limit, int related = -1)
{
    return RoadFinding{rule, &parameterAt(index), fieldValue(index, values[index], format), limit,
                       RoadSeverity::Warn, related < 0 ? nullptr : &parameterAt(related)};
}

// The field's value as another rule's limit names it: "30 A, the value of Max phase current".
QString fieldNamed(const char *text, int index, const ParameterValues &values, NumberFormat format)
{
    return plausibilityText(text).arg(fieldValue(index, values[index], format),
                                      fieldLabel(parameterAt(index)));
}

void checkLowVoltage(const ParameterValues &values, NumberFormat format, QList<RoadFinding> &findings)
{
    const int cells = cellsForRatedVoltage(values[kMotorRatedVoltageIndex]);
    if (cells == 0)
        return;
    const int cutOff = tenthsOf(kLowVoltageProtectionIndex, values[kLowVoltageProtectionIndex]);
    const int least = cells * kLeastCellTenths;
    const int largest = cells * kLargestCellTenths;
    if (cutOff >= least && cutOff <= largest)
        return;
    const QString limit = plausibilityText(texts::kCellsRange)
                              .arg(tenthsText(kLowVoltageProtectionIndex, least, format),
                                   tenthsText(kLowVoltageProtectionIndex, largest, format),
                                   QString::number(cells),
                                   fieldValue(kMotorRatedVoltageIndex, values[kMotorRatedVoltageIndex], format));
    findings << warning(RoadRule::LowVoltageProtection, kLowVoltageProtectionIndex, values, format, limit,
                        kMotorRatedVoltageIndex);
}

void checkCurrents(const ParameterValues &values, NumberFormat format, QList<RoadFinding> &findings)
{
    const int battery = tenthsOf(kMaxBatteryCurrentIndex, values[kMaxBatteryCurrentIndex]);
    if (battery <= values[kMaxPhaseCurrentIndex] * 10)
        return;
    findings << warning(RoadRule::BatteryOverPhaseCurrent, kMaxBatteryCurrentIndex, values, format,
                        fieldNamed(texts::kAtMostField, kMaxPhaseCurrentIndex, values, format),
                        kMaxPhaseCurrentIndex);
}

void checkPerimeter(const ParameterValues &values, NumberFormat format, QList<RoadFinding> &findings)
{
    const int perimeter = values[kWheelPerimeterIndex];
    if (perimeter >= kLeastPlausiblePerimeter && perimeter <= kLargestPlausiblePerimeter)
        return;
    const ParameterDescriptor &d = parameterAt(kWheelPerimeterIndex);
    const QString limit = limitText(texts::kFromTo)
                              .arg(valueWithUnit(d, QString::number(kLeastPlausiblePerimeter)),
                                   valueWithUnit(d, QString::number(kLargestPlausiblePerimeter)));
    findings << warning(RoadRule::WheelPerimeterRange, kWheelPerimeterIndex, values, format, limit);
}

void checkLevels(const ParameterValues &values, NumberFormat format, QList<RoadFinding> &findings)
{
    // No level in use, nothing to order; the field's own limits ask about 0.
    const int count = std::min(int(values[kPasLevelCountIndex]), kLevelLimitCount);
    if (count == 0)
        return;
    for (int level = 1; level < count; ++level) {
        const int index = kFirstLevelLimitIndex + level;
        if (values[index] > values[index - 1])
            continue;
        findings << warning(RoadRule::PasLevelsOrder, index, values, format,
                            fieldNamed(texts::kAboveField, index - 1, values, format), index - 1);
    }
    const int top = kFirstLevelLimitIndex + count - 1;
    if (values[top] >= kFullLevel)
        return;
    const QString full = valueWithUnit(parameterAt(top), QString::number(kFullLevel));
    findings << warning(RoadRule::PasLevelsOrder, top, values, format,
                        plausibilityText(texts::kAtTopLevel).arg(full));
}

void checkThrottle(const ParameterValues &values, NumberFormat format, QList<RoadFinding> &findings)
{
    // Both fields count in the same unit, so their values compare as sent.
    if (values[kThrottleStartVoltageIndex] < values[kThrottleFullVoltageIndex])
        return;
    findings << warning(RoadRule::ThrottleVoltages, kThrottleStartVoltageIndex, values, format,
                        fieldNamed(texts::kBelowField, kThrottleFullVoltageIndex, values, format),
                        kThrottleFullVoltageIndex);
}

void checkCounts(const ParameterValues &values, NumberFormat format, QList<RoadFinding> &findings)
{
    for (const int index : kCountIndices) {
        if (values[index] == 0)
            findings << warning(RoadRule::ZeroCount, index, values, format,
                                limitText(texts::kAtLeast).arg(QString::number(1)));
    }
}

} // namespace

QList<RoadFinding> checkPlausibility(const ParameterValues &values, NumberFormat format)
{
    QList<RoadFinding> findings;
    checkLowVoltage(values, format, findings);
    checkCurrents(values, format, findings);
    checkPerimeter(values, format, findings);
    checkLevels(values, format, findings);
    checkThrottle(values, format, findings);
    checkCounts(values, format, findings);
    return findings;
}

QList<RoadFinding> checkEveryRule(const ParameterValues &values, const RoadClass *roadClass,
                                  const std::optional<TireSize> &tire, NumberFormat format,
                                  SpeedUnits units)
{
    QList<RoadFinding> findings = checkPlausibility(values, format);
    if (roadClass)
        findings += checkRoadClass(values, *roadClass, tire, format, units);
    std::stable_sort(findings.begin(), findings.end(), [](const RoadFinding &a, const RoadFinding &b) {
        return a.severity > b.severity;
    });
    return findings;
}

} // namespace vexlor
