#include "bike_parts.h"

#include <QRegularExpression>

#include <cmath>

namespace vexlor {

namespace {
constexpr double kNominalCellVolts = 3.6;
} // namespace

int cellsOfNominalVoltage(double volts)
{
    return int(std::lround(volts / kNominalCellVolts));
}

int nominalVoltageOfCells(int cells)
{
    return int(std::lround(cells * kNominalCellVolts));
}

Battery batteryOfCells(int cells)
{
    return {cells, nominalVoltageOfCells(cells)};
}

std::optional<Battery> parseBattery(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,3})\\s*([vVsS]?)\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int number = match.captured(1).toInt();
    if (match.captured(2).compare(QLatin1String("s"), Qt::CaseInsensitive) == 0) {
        if (number < kLeastCells || number > kMostCells)
            return std::nullopt;
        return batteryOfCells(number);
    }
    for (int volts : kNominalBatteryVoltages) {
        if (number == volts)
            return Battery{cellsOfNominalVoltage(volts), volts};
    }
    return std::nullopt;
}

} // namespace vexlor
