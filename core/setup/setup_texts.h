#pragma once

#include "translation.h"

// Texts of the setup assistant's proposal, for the window and the CLI:
// why each value is proposed. Translation context "Setup".
namespace vexlor::texts {

//: the caption of the window's check box "Limit max speed" in the list of proposed values
inline constexpr const char *kLimitMaxSpeed = QT_TRANSLATE_NOOP("Setup", "Limit max speed");
//: why a low voltage protection: %1 the battery's cells in series ("13"); keep it short
inline constexpr const char *kWhyLowVoltage =
    QT_TRANSLATE_NOOP("Setup", "%1 cells × 3.15 V, rounded up: stops before the cells run too low");
inline constexpr const char *kWhyMotorVoltage = QT_TRANSLATE_NOOP("Setup", "as printed on the motor");
//: %1 the battery's nominal voltage with its unit ("48 V")
inline constexpr const char *kWhyBatteryVoltage =
    QT_TRANSLATE_NOOP("Setup", "the battery's nominal voltage, %1");
//: %1 the battery's nominal voltage ("48 V"): the motor's rated voltage differs from it
inline constexpr const char *kWhyVoltageMisfit =
    QT_TRANSLATE_NOOP("Setup", "as printed on the motor; it does not fit the battery's %1");
inline constexpr const char *kWhyBmsCurrent =
    QT_TRANSLATE_NOOP("Setup", "the BMS's continuous current");
//: %1 the BMS's continuous current ("40.0 A"), %2 the most the field allows ("30.0 A")
inline constexpr const char *kWhyFieldCurrent =
    QT_TRANSLATE_NOOP("Setup", "the BMS gives %1, the field allows at most %2");
//: %1 the BMS's continuous current ("25.0 A"), %2 the motor's max phase current ("20 A")
inline constexpr const char *kWhyPhaseCurrent =
    QT_TRANSLATE_NOOP("Setup", "the BMS gives %1, but never more than the max phase current, %2");
//: %1 the road class's name
inline constexpr const char *kWhySpeedLimit = QT_TRANSLATE_NOOP("Setup", "the limit of %1");
inline constexpr const char *kWhyLimitMaxSpeed =
    QT_TRANSLATE_NOOP("Setup", "so the controller keeps to the speed limit");
//: %1 the road class's name
inline constexpr const char *kWhyWorkingStyle =
    QT_TRANSLATE_NOOP("Setup", "%1 allows a throttle only while pedalling");
//: %1 the road class's name
inline constexpr const char *kWhyStyleAllowed = QT_TRANSLATE_NOOP("Setup", "%1 allows it");
//: %1 the tire ("57-584"), %2 how far it rolls in one turn of the wheel ("2193 mm")
inline constexpr const char *kWhyWheelPerimeter = QT_TRANSLATE_NOOP("Setup", "the tire %1 rolls %2 a turn");
inline constexpr const char *kWhyLevelCount = QT_TRANSLATE_NOOP("Setup", "the levels the rider wants");
//: %1 the level's number, %2 how many levels are in use
inline constexpr const char *kWhyLevel = QT_TRANSLATE_NOOP("Setup", "level %1 of %2, rising to 100 % at the top");
//: %1 the road class's name, %2 what it allows ("at most 250 W")
inline constexpr const char *kWhyPowerMisfit =
    QT_TRANSLATE_NOOP("Setup", "as printed on the motor; the motor does not fit %1 (%2)");
//: the motor's power was not given and the one set does not fit: %1 the class's name, %2 "at most 250 W"
inline constexpr const char *kWhyPowerSetMisfit =
    QT_TRANSLATE_NOOP("Setup", "as set; it does not fit %1 (%2)");
inline constexpr const char *kWhyCountInitial =
    QT_TRANSLATE_NOOP("Setup", "0 counts nothing: the initial value");
inline constexpr const char *kWhyThrottleInitial =
    QT_TRANSLATE_NOOP("Setup", "the start voltage must stay below the full voltage: the initial value");

} // namespace vexlor::texts

namespace vexlor {

// A text of this header as the user reads it.
[[nodiscard]] inline QString setupText(const char *text)
{
    return translated("Setup", text);
}

} // namespace vexlor
