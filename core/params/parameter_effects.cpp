#include "parameter_effects.h"

#include <QtGlobal>

#include <array>
#include <cstring>

namespace vexlor {
namespace {

// The nine levels share their texts: each is one level's limit.
constexpr const char *kLevelWhat =
    QT_TRANSLATE_NOOP("Explanations", "The limit of this assist level, in percent; \"Limit speed\" and "
                                      "\"Limit current\" choose what it limits. The levels in use "
                                      "should rise, the top one at 100 %.");
constexpr const char *kLevelHigher = QT_TRANSLATE_NOOP("Explanations", "more assistance at this level.");
constexpr const char *kLevelLower = QT_TRANSLATE_NOOP("Explanations", "less assistance at this level.");

// One entry per stored parameter. The unit, the range the window allows and
// the initial value are not written here: the explanation takes them from
// the parameter table, so a number never stands twice.
constexpr std::array kEffects = {
    ParameterEffects{"MaxBatteryCurrent",
        QT_TRANSLATE_NOOP("Explanations", "The largest current the controller draws from the battery."),
        QT_TRANSLATE_NOOP("Explanations", "more than the battery's BMS delivers continuously; keep it at "
                                          "or below that current and not above the max phase current."),
        QT_TRANSLATE_NOOP("Explanations", "less power for assistance and throttle.")},
    ParameterEffects{"LowVoltageProtection",
        QT_TRANSLATE_NOOP("Explanations", "The battery voltage below which the controller cuts the motor, "
                                          "so that the battery is not drained empty."),
        QT_TRANSLATE_NOOP("Explanations", "assistance stops while the battery is still half full (above "
                                          "about 3.6 V a cell)."),
        QT_TRANSLATE_NOOP("Explanations", "the cells are drained too deep (below about 2.8 V a cell).")},
    ParameterEffects{"Acceleration",
        QT_TRANSLATE_NOOP("Explanations", "The controller's acceleration setting, a position of the "
                                          "track bar.")},
    ParameterEffects{"BrakeVoltageLevel",
        QT_TRANSLATE_NOOP("Explanations", "The signal level of the brake lever sensors, \"Low\" or "
                                          "\"High\": choose the one the bike's brake sensors give.")},
    ParameterEffects{"SpeedLimit",
        QT_TRANSLATE_NOOP("Explanations", "The speed at which the controller stops assisting, while "
                                          "\"Limit max speed\" is ticked; with it clear a write sends "
                                          "900 km/h, which means no limit."),
        QT_TRANSLATE_NOOP("Explanations", "the bike may break the road class it is ridden in (Connect > "
                                          "Road Class checks it)."),
        QT_TRANSLATE_NOOP("Explanations", "assistance stops at a lower speed.")},
    ParameterEffects{"SpeedometerMagnets",
        QT_TRANSLATE_NOOP("Explanations", "How many magnets pass the speed sensor in one turn of the "
                                          "wheel; the controller reckons the speed from them and the "
                                          "wheel perimeter."),
        QT_TRANSLATE_NOOP("Explanations", "the speed is reckoned too low, so assistance may go on past "
                                          "the speed limit."),
        QT_TRANSLATE_NOOP("Explanations", "the speed is reckoned too high, so assistance stops early.")},
    ParameterEffects{"WheelPerimeter",
        QT_TRANSLATE_NOOP("Explanations", "The distance the wheel rolls in one turn; the controller "
                                          "reckons the speed from it. The list beside the field fills "
                                          "in common sizes; measuring the wheel is more exact."),
        QT_TRANSLATE_NOOP("Explanations", "the speed is reckoned too high, so assistance stops early."),
        QT_TRANSLATE_NOOP("Explanations", "the speed is reckoned too low, so assistance may go on past "
                                          "the speed limit.")},
    ParameterEffects{"UsePedalSensor",
        QT_TRANSLATE_NOOP("Explanations", "Whether the bike has a pedal speed sensor (PAS) for the "
                                          "controller to use. Clear, the group \"Pedal speed sensor "
                                          "functions\" is switched off; its values are still written.")},
    ParameterEffects{"PedalSensorDutyCycle",
        QT_TRANSLATE_NOOP("Explanations", "The duty cycle of the pedal sensor's signal, below or above "
                                          "50 %: choose the one the bike's sensor gives.")},
    ParameterEffects{"PedalSensorMagnets",
        QT_TRANSLATE_NOOP("Explanations", "How many magnets the pedal sensor's disc carries; it must "
                                          "match the disc.")},
    ParameterEffects{"PedalStartMagnets",
        QT_TRANSLATE_NOOP("Explanations", "How many of the pedal sensor's magnets must pass before "
                                          "assistance starts."),
        QT_TRANSLATE_NOOP("Explanations", "assistance starts after more pedalling."),
        QT_TRANSLATE_NOOP("Explanations", "assistance starts after less pedalling.")},
    ParameterEffects{"PedalStopDelay",
        QT_TRANSLATE_NOOP("Explanations", "How long assistance goes on after the pedals stop."),
        QT_TRANSLATE_NOOP("Explanations", "the motor goes on pushing longer after you stop pedalling."),
        QT_TRANSLATE_NOOP("Explanations", "assistance stops sooner after the pedals stop.")},
    ParameterEffects{"PasRatio",
        QT_TRANSLATE_NOOP("Explanations", "The pedal assist sensor (PAS) ratio, a position of the track "
                                          "bar.")},
    ParameterEffects{"UseThrottle",
        QT_TRANSLATE_NOOP("Explanations", "Whether the bike has a throttle for the controller to use. "
                                          "Clear, the group \"Throttle functions\" is switched off; its "
                                          "values are still written.")},
    ParameterEffects{"ThrottleMaxOutput",
        QT_TRANSLATE_NOOP("Explanations", "The largest output the throttle asks for, in percent of the "
                                          "full output."),
        nullptr,
        QT_TRANSLATE_NOOP("Explanations", "the throttle gives less power.")},
    ParameterEffects{"ThrottleLimitedByPasLevels",
        QT_TRANSLATE_NOOP("Explanations", "Whether the throttle keeps to the limits of the assist "
                                          "levels (\"Level 1\" to \"Level 9\").")},
    ParameterEffects{"ThrottleStartVoltage",
        QT_TRANSLATE_NOOP("Explanations", "The throttle's signal voltage at which it starts to act; it "
                                          "must stay below the full voltage."),
        QT_TRANSLATE_NOOP("Explanations", "the throttle starts late in its travel."),
        QT_TRANSLATE_NOOP("Explanations", "the throttle starts early in its travel.")},
    ParameterEffects{"ThrottleFullVoltage",
        QT_TRANSLATE_NOOP("Explanations", "The throttle's signal voltage at which it gives full output."),
        QT_TRANSLATE_NOOP("Explanations", "above what the throttle gives when fully turned, full output "
                                          "is never reached."),
        QT_TRANSLATE_NOOP("Explanations", "full output comes early in the throttle's travel.")},
    ParameterEffects{"ThrottleWorkingStyle",
        QT_TRANSLATE_NOOP("Explanations", "How the throttle works with the pedal sensor: on its own, "
                                          "together with the pedal sensor, or started by it. Some road "
                                          "classes allow a throttle only while pedalling.")},
    ParameterEffects{"PasLevelCount",
        QT_TRANSLATE_NOOP("Explanations", "How many assist levels the rider can choose from; only the "
                                          "levels up to this count can be edited."),
        QT_TRANSLATE_NOOP("Explanations", "more levels to step through."),
        QT_TRANSLATE_NOOP("Explanations", "fewer levels to choose from.")},
    ParameterEffects{"LevelLimit1", kLevelWhat, kLevelHigher, kLevelLower},
    ParameterEffects{"LevelLimit2", kLevelWhat, kLevelHigher, kLevelLower},
    ParameterEffects{"LevelLimit3", kLevelWhat, kLevelHigher, kLevelLower},
    ParameterEffects{"LevelLimit4", kLevelWhat, kLevelHigher, kLevelLower},
    ParameterEffects{"LevelLimit5", kLevelWhat, kLevelHigher, kLevelLower},
    ParameterEffects{"LevelLimit6", kLevelWhat, kLevelHigher, kLevelLower},
    ParameterEffects{"LevelLimit7", kLevelWhat, kLevelHigher, kLevelLower},
    ParameterEffects{"LevelLimit8", kLevelWhat, kLevelHigher, kLevelLower},
    ParameterEffects{"LevelLimit9", kLevelWhat, kLevelHigher, kLevelLower},
    ParameterEffects{"LevelLimitsSpeed",
        QT_TRANSLATE_NOOP("Explanations", "Whether the limits of the assist levels act on the speed.")},
    ParameterEffects{"LevelLimitsCurrent",
        QT_TRANSLATE_NOOP("Explanations", "Whether the limits of the assist levels act on the current.")},
    ParameterEffects{"WalkAssistLimit",
        QT_TRANSLATE_NOOP("Explanations", "The limit of the walk-assist mode, which helps while you push "
                                          "the bike, in percent."),
        QT_TRANSLATE_NOOP("Explanations", "more push while walking."),
        QT_TRANSLATE_NOOP("Explanations", "less push while walking.")},
    ParameterEffects{"PedalWithThrottle",
        QT_TRANSLATE_NOOP("Explanations", "Whether the pedal sensor works together with the throttle.")},
    ParameterEffects{"HallSensorType",
        QT_TRANSLATE_NOOP("Explanations", "The motor's Hall sensors: 120 degree, 60 degree or none "
                                          "(sensorless). It must match the motor; wrong motor data can "
                                          "make the motor run rough or overheat.")},
    ParameterEffects{"RotationDirection",
        QT_TRANSLATE_NOOP("Explanations", "Whether the motor has a one-way clutch (freewheel) inside. "
                                          "It must match the motor.")},
    ParameterEffects{"MotorRatedVoltage",
        QT_TRANSLATE_NOOP("Explanations", "The motor's rated voltage, from its data sheet or label; wrong "
                                          "motor data can make the motor run rough or overheat.")},
    ParameterEffects{"MotorRatedPower",
        QT_TRANSLATE_NOOP("Explanations", "The motor's rated power, from its data sheet or label. Road "
                                          "classes allow a rated power up to their limit (Connect > Road "
                                          "Class checks it).")},
    ParameterEffects{"MotorPolePairs",
        QT_TRANSLATE_NOOP("Explanations", "The number of magnet pole pairs of the motor, from its data "
                                          "sheet.")},
    ParameterEffects{"MotorNoLoadSpeed",
        QT_TRANSLATE_NOOP("Explanations", "The motor's speed without load, from its data sheet.")},
    ParameterEffects{"MotorReductionRatio",
        QT_TRANSLATE_NOOP("Explanations", "The ratio of the motor's gear: motor turns per turn of its "
                                          "housing or output, from its data sheet.")},
    ParameterEffects{"StatorResistance",
        QT_TRANSLATE_NOOP("Explanations", "The electrical resistance of the motor's stator winding, from "
                                          "its data sheet.")},
    ParameterEffects{"StatorInductance",
        QT_TRANSLATE_NOOP("Explanations", "The inductance of the motor's stator winding, from its data "
                                          "sheet.")},
    ParameterEffects{"MaxPhaseCurrent",
        QT_TRANSLATE_NOOP("Explanations", "The largest current the controller drives through the motor's "
                                          "windings; it is never below the max battery current."),
        QT_TRANSLATE_NOOP("Explanations", "more than the motor or the controller is made for: they may "
                                          "overheat."),
        QT_TRANSLATE_NOOP("Explanations", "less pulling power.")},
};

static_assert(kEffects.size() == kStoredParameterCount, "one explanation per stored parameter");

} // namespace

std::span<const ParameterEffects> parameterEffects()
{
    return kEffects;
}

const ParameterEffects *effectsOf(const ParameterDescriptor &descriptor)
{
    for (const ParameterEffects &e : kEffects) {
        if (std::strcmp(e.name, descriptor.name) == 0)
            return &e;
    }
    return nullptr;
}

} // namespace vexlor
