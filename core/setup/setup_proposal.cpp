#include "setup_proposal.h"

#include "setup_texts.h"

#include "params/comparison_texts.h"
#include "params/parameter_codec.h"
#include "params/parameter_comparison.h"
#include "road/road_check.h"

#include <algorithm>
#include <cmath>

namespace vexlor {
namespace {

constexpr int kMaxBatteryCurrentIndex = 1;
constexpr int kLowVoltageIndex = 2;
constexpr int kSpeedometerMagnetsIndex = 6;
constexpr int kPedalSensorMagnetsIndex = 10;
constexpr int kThrottleFullVoltageIndex = 18;
constexpr int kRatedVoltageIndex = 42;
constexpr int kPolePairsIndex = 45;
constexpr int kNoLoadSpeedIndex = 46;
constexpr int kReductionRatioIndex = 47;
constexpr int kMaxPhaseCurrentIndex = 50;
constexpr int kTogetherWithPedalSensor = 1; // the working style's second item
constexpr int kIndependently = 0;
// Hundredths of a volt per cell where the controller stops: low enough to use
// the battery, high enough to keep the cells from running too deep.
constexpr int kCutOffCentivoltsPerCell = 315;
// The first assist level's share of the top one's, in per cent.
constexpr int kFirstLevelPercent = 40;

QString decimalText(double value, NumberFormat format)
{
    return QString::number(value, 'f', 1).replace(u'.', format.separator());
}

QString amperes(double value, NumberFormat format)
{
    return valueWithUnit(parameterAt(kMaxBatteryCurrentIndex), decimalText(value, format));
}

QString volts(int value)
{
    return valueWithUnit(parameterAt(kRatedVoltageIndex), QString::number(value));
}

// Builds the list, one value at a time.
class Proposer {
public:
    Proposer(const BikeParts &parts, const ParameterSnapshot &now, NumberFormat format)
        : m_parts(parts), m_now(now), m_format(format), m_class(*parts.roadClass)
    {
    }

    SetupProposal run()
    {
        proposeBattery();
        proposeRoad();
        proposeCounts();
        proposeThrottle();
        proposeLevels();
        proposeMotor();
        return m_proposal;
    }

private:
    void text(int index, const QString &value, const QString &why)
    {
        m_proposal.values.append({index, ControlValue{value, 0, {}}, why});
    }
    void number(int index, int value, const QString &why)
    {
        m_proposal.values.append({index, ControlValue{{}, value, {}}, why});
    }
    [[nodiscard]] std::optional<qint32> nowInteger(int index) const
    {
        return textToInteger(m_now[index].text);
    }

    void proposeBattery()
    {
        const int cells = m_parts.battery.cells;
        // Rounded up to the field's tenth, so the cut-off is never below cells × 3.15 V.
        const int tenths = (cells * kCutOffCentivoltsPerCell + 9) / 10;
        text(kLowVoltageIndex, decimalText(tenths / 10.0, m_format),
             setupText(texts::kWhyLowVoltage).arg(cells));
        double current = std::min(m_parts.bmsCurrent, parameterAt(kMaxBatteryCurrentIndex).bounds[0].limit);
        QString why = current < m_parts.bmsCurrent
            ? setupText(texts::kWhyFieldCurrent)
                  .arg(amperes(m_parts.bmsCurrent, m_format), amperes(current, m_format))
            : setupText(texts::kWhyBmsCurrent);
        // A motor drive's phase current is never below its battery current.
        const std::optional<qint32> phase =
            m_parts.maxPhaseCurrent > 0 ? m_parts.maxPhaseCurrent : nowInteger(kMaxPhaseCurrentIndex);
        if (phase && *phase > 0 && *phase < current) {
            current = *phase;
            why = setupText(texts::kWhyPhaseCurrent)
                      .arg(amperes(m_parts.bmsCurrent, m_format),
                           valueWithUnit(parameterAt(kMaxPhaseCurrentIndex), QString::number(*phase)));
        }
        text(kMaxBatteryCurrentIndex, decimalText(current, m_format), why);
    }

    void proposeRoad()
    {
        const QString name = roadClassName(m_class);
        text(kSpeedLimitIndex, decimalText(m_class.speedLimitTenths / 10.0, m_format),
             setupText(texts::kWhySpeedLimit).arg(name));
        number(kLimitMaxSpeedRow, 1, setupText(texts::kWhyLimitMaxSpeed));
        text(kWheelPerimeterIndex, QString::number(std::lround(m_parts.tire.perimeter)),
             setupText(texts::kWhyWheelPerimeter)
                 .arg(m_parts.tire.name,
                      valueWithUnit(parameterAt(kWheelPerimeterIndex),
                                    QString::number(std::lround(m_parts.tire.perimeter)))));
        const int style = m_now[kWorkingStyleIndex].number;
        const bool allowed = style > kIndependently && style < parameterAt(kWorkingStyleIndex).optionCount;
        if (allowed || (style == kIndependently && m_class.throttleWithoutPedalling))
            number(kWorkingStyleIndex, style, setupText(texts::kWhyStyleAllowed).arg(name));
        else if (m_class.throttleWithoutPedalling)
            number(kWorkingStyleIndex, kIndependently, setupText(texts::kWhyStyleAllowed).arg(name));
        else
            number(kWorkingStyleIndex, kTogetherWithPedalSensor, setupText(texts::kWhyWorkingStyle).arg(name));
    }

    // A count of 0 (or no count at all) makes the controller count nothing.
    void proposeCounts()
    {
        for (int index : {kSpeedometerMagnetsIndex, kPedalSensorMagnetsIndex}) {
            const std::optional<qint32> count = nowInteger(index);
            if (!count || *count <= 0)
                text(index, QString::fromLatin1(parameterAt(index).defaultText),
                     setupText(texts::kWhyCountInitial));
        }
    }

    void proposeThrottle()
    {
        const auto start = textToReal(m_now[kThrottleStartVoltageIndex].text, m_format);
        const auto full = textToReal(m_now[kThrottleFullVoltageIndex].text, m_format);
        if (start && full && *start < *full)
            return;
        for (int index : {kThrottleStartVoltageIndex, kThrottleFullVoltageIndex})
            text(index, QString::fromLatin1(parameterAt(index).defaultText).replace(u'.', m_format.separator()),
                 setupText(texts::kWhyThrottleInitial));
    }

    void proposeLevels()
    {
        const int count = std::clamp(m_parts.pasLevels, 1, kLevelLimitCount);
        text(kPasLevelCountIndex, QString::number(count), setupText(texts::kWhyLevelCount));
        for (int level = 1; level <= count; ++level) {
            const int percent = count == 1
                ? 100
                : int(std::lround(kFirstLevelPercent
                                  + (100.0 - kFirstLevelPercent) * (level - 1) / (count - 1)));
            text(kFirstLevelLimitIndex + level - 1, QString::number(percent),
                 setupText(texts::kWhyLevel).arg(level).arg(count));
        }
    }

    void proposeMotor()
    {
        const int battery = m_parts.battery.nominalVoltage;
        if (m_parts.motorVoltage <= 0)
            text(kRatedVoltageIndex, QString::number(battery),
                 setupText(texts::kWhyBatteryVoltage).arg(volts(battery)));
        else
            text(kRatedVoltageIndex, QString::number(m_parts.motorVoltage),
                 cellsOfNominalVoltage(m_parts.motorVoltage) == m_parts.battery.cells
                     ? setupText(texts::kWhyMotorVoltage)
                     : setupText(texts::kWhyVoltageMisfit).arg(volts(battery)));
        proposePower();
        const QString printed = setupText(texts::kWhyMotorVoltage);
        if (m_parts.polePairs > 0)
            text(kPolePairsIndex, QString::number(m_parts.polePairs), printed);
        else if (const auto pairs = nowInteger(kPolePairsIndex); !pairs || *pairs <= 0)
            text(kPolePairsIndex, QString::fromLatin1(parameterAt(kPolePairsIndex).defaultText),
                 setupText(texts::kWhyCountInitial));
        if (m_parts.noLoadSpeed > 0)
            text(kNoLoadSpeedIndex, QString::number(m_parts.noLoadSpeed), printed);
        if (m_parts.reductionRatio > 0)
            text(kReductionRatioIndex, decimalText(m_parts.reductionRatio, m_format), printed);
        if (m_parts.maxPhaseCurrent > 0)
            text(kMaxPhaseCurrentIndex, QString::number(m_parts.maxPhaseCurrent), printed);
    }

    // The rated power is the motor's: never lowered to fit a class.
    void proposePower()
    {
        const bool given = m_parts.motorPower > 0;
        const std::optional<qint32> power = given ? m_parts.motorPower : nowInteger(kRatedPowerIndex);
        const bool fits = !power || *power <= m_class.ratedPowerLimit;
        m_proposal.fitsClass = fits;
        if (!given && fits)
            return;
        const QString name = roadClassName(m_class);
        const QString why = fits ? setupText(texts::kWhyMotorVoltage)
                                 : setupText(given ? texts::kWhyPowerMisfit : texts::kWhyPowerSetMisfit)
                                       .arg(name, roadClassPowerText(m_class));
        text(kRatedPowerIndex, QString::number(*power), why);
    }

    const BikeParts &m_parts;
    const ParameterSnapshot &m_now;
    const NumberFormat m_format;
    const RoadClass &m_class;
    SetupProposal m_proposal;
};

QString shownText(int index, const ControlValue &value, NumberFormat format, SpeedUnits units)
{
    if (index == kLimitMaxSpeedRow)
        return comparisonText(value.number != 0 ? texts::kTicked : texts::kCleared);
    const ParameterDescriptor &d = parameterAt(index);
    if (d.hasTextControl())
        return fieldTextInUnits(d, value.text, format, units);
    return valueWithUnit(d, shownValueText(index, quint16(value.number), format));
}

ControlValue nowValue(int index, const ParameterSnapshot &now)
{
    return index == kLimitMaxSpeedRow ? ControlValue{{}, now.limitMaxSpeed ? 1 : 0, {}} : now[index];
}

} // namespace

SetupProposal proposeSetup(const BikeParts &parts, const ParameterSnapshot &now, NumberFormat format)
{
    return Proposer(parts, now, format).run();
}

void applyProposal(ParameterSnapshot &snapshot, const QList<ProposedValue> &values)
{
    for (const ProposedValue &v : values) {
        if (v.index == kLimitMaxSpeedRow)
            snapshot.limitMaxSpeed = v.value.number != 0;
        else
            snapshot[v.index] = v.value;
    }
}

QList<ProposalRow> proposalRows(const SetupProposal &proposal, const ParameterSnapshot &now,
                                NumberFormat format, SpeedUnits units)
{
    QList<ProposalRow> rows;
    for (const ProposedValue &v : proposal.values) {
        const QString caption = v.index == kLimitMaxSpeedRow ? setupText(texts::kLimitMaxSpeed)
                                                             : fieldLabel(parameterAt(v.index));
        rows.append({caption, shownText(v.index, nowValue(v.index, now), format, units),
                     shownText(v.index, v.value, format, units), v.why});
    }
    return rows;
}

} // namespace vexlor
