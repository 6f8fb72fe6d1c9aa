#pragma once

#include "road/road_class.h"
#include "road/tire_size.h"

#include <QString>

#include <optional>

namespace vexlor {

// A battery: its cells in series and the nominal voltage it is sold by.
struct Battery {
    int cells = 0;
    int nominalVoltage = 0; // V
};

// What is printed on a bike's parts, as the setup assistant asks for it.
// A motor value of 0 is one the rider does not know.
struct BikeParts {
    Battery battery;
    double bmsCurrent = 0;      // A: the BMS's continuous current
    int motorVoltage = 0;       // V: the motor's rated voltage
    int motorPower = 0;         // W: the motor's rated power
    int polePairs = 0;
    double reductionRatio = 0;  // n in n:1
    int noLoadSpeed = 0;        // rpm
    int maxPhaseCurrent = 0;    // A
    TireSize tire;
    const RoadClass *roadClass = nullptr;
    int pasLevels = 0;          // 1 to 9
};

// The nominal voltages a battery is sold by.
inline constexpr int kNominalBatteryVoltages[] = {24, 36, 48, 52};
// The cells in series a battery of the tool's controller may have.
inline constexpr int kLeastCells = 5;
inline constexpr int kMostCells = 20;

// The cells in series of a battery of `volts` nominal: volts ÷ 3.6, rounded
// to the nearest whole cell (36 V 10, 48 V 13, 52 V 14).
[[nodiscard]] int cellsOfNominalVoltage(double volts);

// The nominal voltage of `cells` in series, in whole volts (13 cells 47 V),
// so that cellsOfNominalVoltage() gives the cells back.
[[nodiscard]] int nominalVoltageOfCells(int cells);

// A battery of `cells` in series, sold by their nominal voltage.
[[nodiscard]] Battery batteryOfCells(int cells);

// A battery as given: one of the nominal voltages ("48", "48V") or its cells
// in series ("13s", "13S"); nullopt for anything else.
[[nodiscard]] std::optional<Battery> parseBattery(const QString &text);

} // namespace vexlor
