#include "parameter_table.h"

#include <cstring>

namespace vexlor {
namespace {

using K = ParameterKind;

constexpr ParameterDescriptor fixedItem(int index, quint16 value)
{
    ParameterDescriptor d;
    d.index = index;
    d.kind = K::Fixed;
    d.fixedValue = value;
    return d;
}

constexpr ParameterDescriptor decimal(int index, const char *name, const char *control,
                                      const char *caption, const char *unit, int factor,
                                      const char *readFormat, const char *defaultText)
{
    ParameterDescriptor d;
    d.index = index;
    d.name = name;
    d.kind = K::Decimal;
    d.control = control;
    d.caption = caption;
    d.unit = unit;
    d.factor = factor;
    d.readFormat = readFormat;
    d.defaultText = defaultText;
    return d;
}

constexpr ParameterDescriptor whole(int index, const char *name, const char *control,
                                    const char *caption, const char *unit,
                                    const char *defaultText, int divisor = 1)
{
    ParameterDescriptor d;
    d.index = index;
    d.name = name;
    d.kind = K::Whole;
    d.control = control;
    d.caption = caption;
    d.unit = unit;
    d.factor = divisor;
    d.readFormat = "0";
    d.defaultText = defaultText;
    return d;
}

constexpr ParameterDescriptor flag(int index, const char *name, const char *control,
                                   const char *caption, bool ticked)
{
    ParameterDescriptor d;
    d.index = index;
    d.name = name;
    d.kind = K::Flag;
    d.control = control;
    d.caption = caption;
    d.defaultNumber = ticked ? 1 : 0;
    return d;
}

constexpr ParameterDescriptor twoWay(int index, const char *name, const char *first,
                                     const char *second, const char *caption,
                                     const char *firstText, const char *secondText)
{
    ParameterDescriptor d;
    d.index = index;
    d.name = name;
    d.kind = K::TwoWay;
    d.control = first;
    d.secondControl = second;
    d.caption = caption;
    d.options = {firstText, secondText, nullptr};
    d.optionCount = 2;
    d.defaultNumber = 0;
    return d;
}

constexpr ParameterDescriptor choice(int index, const char *name, const char *control,
                                     const char *title, std::array<const char *, 3> items,
                                     int itemCount)
{
    ParameterDescriptor d;
    d.index = index;
    d.name = name;
    d.kind = K::Choice;
    d.control = control;
    d.caption = title;
    d.options = items;
    d.optionCount = itemCount;
    d.defaultNumber = 0;
    return d;
}

constexpr ParameterDescriptor slider(int index, const char *name, const char *control,
                                     const char *caption, int minimum, int maximum,
                                     int multiplier, int offset, int position)
{
    ParameterDescriptor d;
    d.index = index;
    d.name = name;
    d.kind = K::Slider;
    d.control = control;
    d.caption = caption;
    d.minimum = minimum;
    d.maximum = maximum;
    d.factor = multiplier;
    d.offset = offset;
    d.defaultNumber = position;
    return d;
}

constexpr FieldBound above(double limit, const char *replacement)
{
    return FieldBound{FieldBound::Side::Above, limit, replacement};
}

constexpr FieldBound below(double limit, const char *replacement)
{
    return FieldBound{FieldBound::Side::Below, limit, replacement};
}

// The controller's limits for a field the user edits; 0.9 and 4.2 are
// compared as the doubles they are typed as.
constexpr ParameterDescriptor bounded(ParameterDescriptor d, FieldBound first, FieldBound second = {})
{
    d.bounds = {first, second};
    return d;
}

// The full throttle voltage: after its bound, not below the start voltage.
constexpr ParameterDescriptor notBelowStartVoltage(ParameterDescriptor d)
{
    d.notBelowStartVoltage = true;
    return d;
}

constexpr ParameterDescriptor levelCount()
{
    ParameterDescriptor d = whole(kPasLevelCountIndex, "PasLevelCount", "LabeledEdit4",
                                  "PAS levels (1~9):", "", "9");
    d.kind = K::LevelCount;
    d.minimum = 1;
    d.maximum = 9;
    return d;
}

constexpr ParameterDescriptor levelLimit(int level, const char *name, const char *control,
                                         const char *caption, const char *defaultText)
{
    return bounded(whole(20 + level, name, control, caption, "%", defaultText), above(100, "100"));
}

// Degree sign spelled as UTF-8 so the source stays ASCII.
#define DEG "\xC2\xB0"

constexpr std::array<ParameterDescriptor, kProtocolItemCount> kTable = {
    fixedItem(0, 256), // version item; its read reply carries the controller's version
    bounded(decimal(1, "MaxBatteryCurrent", "LabeledEdit16", "Max battery current: ", "A", 21, "0.0", "14.0"),
            above(30, "30.0")),
    decimal(2, "LowVoltageProtection", "LabeledEdit17", "Low voltage protection: ", "V", 330, "0.0", "31.5"),
    slider(3, "Acceleration", "TrackBar2", "Acceleration:", 0, 10, 18, 10, 5),
    twoWay(4, "BrakeVoltageLevel", "RadioButton1", "RadioButton2", "Brake voltage:", "Low", "High"),
    decimal(5, "SpeedLimit", "LabeledEdit15", "Speed limit: ", "km/h", 10, "0.0", "25.0"),
    whole(6, "SpeedometerMagnets", "LabeledEdit14", "Speedometer magnets: ", "", "1"),
    whole(7, "WheelPerimeter", "Edit9", "Wheel perimeter: ", "mm", "2074"),
    flag(8, "UsePedalSensor", "CheckBox2", "Use pedal speed sensor", true),
    twoWay(9, "PedalSensorDutyCycle", "RadioButton3", "RadioButton4", "Duty cycle:", "< 50%", "> 50%"),
    whole(10, "PedalSensorMagnets", "Edit1", "", "magnets a circle", "12"),
    whole(11, "PedalStartMagnets", "LabeledEdit2", "Start after ", "magnets passed", "2"),
    bounded(whole(12, "PedalStopDelay", "LabeledEdit3", "Stop after ", "ms stop pedaling", "500", 5),
            below(200, "200")),
    slider(13, "PasRatio", "TrackBar1", "PAS ratio: ", 1, 9, 180, 0, 5),
    flag(14, "UseThrottle", "CheckBox1", "Use throttle", true),
    bounded(whole(15, "ThrottleMaxOutput", "LabeledEdit1", "Max output: ", "%", "100"), above(100, "100")),
    flag(16, "ThrottleLimitedByPasLevels", "CheckBox3", "Limited by PAS level limits", false),
    bounded(decimal(17, "ThrottleStartVoltage", "LabeledEdit18", "Start voltage: ", "V,", 13800, "0.0", "1.2"),
            below(0.9, "0.9"), above(3, "3.0")),
    notBelowStartVoltage(bounded(
        decimal(18, "ThrottleFullVoltage", "LabeledEdit26", "Full: ", "V", 13800, "0.0", "3.4"),
        above(4.2, "4.2"))),
    choice(19, "ThrottleWorkingStyle", "RadioGroup1", "Working style",
           {"Independently", "Together with pedal sensor", "Start by pedal sensor"}, 3),
    levelCount(),
    levelLimit(1, "LevelLimit1", "LabeledEdit5", "Level 1: ", "40"),
    levelLimit(2, "LevelLimit2", "LabeledEdit6", "Level 2: ", "45"),
    levelLimit(3, "LevelLimit3", "LabeledEdit7", "Level 3: ", "50"),
    levelLimit(4, "LevelLimit4", "LabeledEdit8", "Level 4: ", "55"),
    levelLimit(5, "LevelLimit5", "LabeledEdit9", "Level 5: ", "60"),
    levelLimit(6, "LevelLimit6", "LabeledEdit10", "Level 6: ", "70"),
    levelLimit(7, "LevelLimit7", "LabeledEdit11", "Level 7: ", "80"),
    levelLimit(8, "LevelLimit8", "LabeledEdit12", "Level 8: ", "90"),
    levelLimit(9, "LevelLimit9", "LabeledEdit13", "Level 9: ", "100"),
    flag(30, "LevelLimitsSpeed", "CheckBox5", "Limit speed", true),
    flag(31, "LevelLimitsCurrent", "CheckBox6", "Limit current", false),
    bounded(whole(32, "WalkAssistLimit", "LabeledEdit19", "Walk assist: ", "%", "20"), above(100, "100")),
    flag(33, "PedalWithThrottle", "CheckBox4", "Work together with throttle", false),
    fixedItem(34, 0), fixedItem(35, 0), fixedItem(36, 0),
    fixedItem(37, 0), fixedItem(38, 0), fixedItem(39, 0),
    choice(40, "HallSensorType", "RadioGroup4", "Hall sensor",
           {"120" DEG " Sensors", "60" DEG " Sensors", "Sensorless"}, 3),
    choice(41, "RotationDirection", "RadioGroup3", "Rotation direction",
           {"One way clutch", "Without clutch", nullptr}, 2),
    whole(42, "MotorRatedVoltage", "Edit2", "Rated voltage: ", "V", "36"),
    bounded(whole(43, "MotorRatedPower", "Edit3", "Rated power: ", "W", "250"), above(500, "500")),
    fixedItem(44, 1),
    whole(45, "MotorPolePairs", "Edit4", "No. of pole-pairs: ", "", "10"),
    bounded(whole(46, "MotorNoLoadSpeed", "Edit5", "No-load speed: ", "rpm", "1500"), above(5000, "5000")),
    decimal(47, "MotorReductionRatio", "Edit6", "Reduction ratio: ", ":1", 10, "0.0", "8"),
    whole(48, "StatorResistance", "Edit7", "Stator resistance: ", "mOhm", "300"),
    decimal(49, "StatorInductance", "Edit8", "Stator inductance: ", "mH", 1000, "0.000", "0.3"),
    bounded(whole(50, "MaxPhaseCurrent", "Edit10", "Max phase current:", "A", "30"), above(70, "70")),
    fixedItem(51, 0), fixedItem(52, 0), fixedItem(53, 0), fixedItem(54, 0), fixedItem(55, 0),
    fixedItem(56, 0), fixedItem(57, 0), fixedItem(58, 0), fixedItem(59, 0),
};

#undef DEG

constexpr bool indicesMatchPositions()
{
    for (int i = 0; i < kProtocolItemCount; ++i) {
        if (kTable[i].index != i)
            return false;
    }
    return true;
}
static_assert(indicesMatchPositions(), "parameter table rows must be in index order");

constexpr int countStored()
{
    int n = 0;
    for (const auto &d : kTable)
        n += d.isStored() ? 1 : 0;
    return n;
}
static_assert(countStored() == kStoredParameterCount);

// Range rules bound the text of edit fields only, and the full voltage's rule
// reads the start voltage's field.
constexpr bool rangeRulesFitTheirControls()
{
    for (const auto &d : kTable) {
        if (d.hasRangeRule() && !d.hasTextControl())
            return false;
    }
    return kTable[kThrottleStartVoltageIndex].hasTextControl();
}
static_assert(rangeRulesFitTheirControls());

std::array<const ParameterDescriptor *, kStoredParameterCount> makeStoredList()
{
    std::array<const ParameterDescriptor *, kStoredParameterCount> list{};
    int n = 0;
    for (const auto &d : kTable) {
        if (d.isStored())
            list[n++] = &d;
    }
    return list;
}

} // namespace

std::span<const ParameterDescriptor, kProtocolItemCount> parameterTable()
{
    return kTable;
}

const ParameterDescriptor &parameterAt(int index)
{
    Q_ASSERT(index >= 0 && index < kProtocolItemCount);
    return kTable[index];
}

const ParameterDescriptor *storedParameter(int key)
{
    if (key < 0 || key >= kProtocolItemCount || !kTable[key].isStored())
        return nullptr;
    return &kTable[key];
}

std::span<const ParameterDescriptor *const, kStoredParameterCount> storedParameters()
{
    static const auto list = makeStoredList();
    return list;
}

const ParameterDescriptor *parameterByControl(const char *objectName)
{
    for (const auto &d : kTable) {
        if (d.isStored()
            && (std::strcmp(d.control, objectName) == 0 || std::strcmp(d.secondControl, objectName) == 0))
            return &d;
    }
    return nullptr;
}

} // namespace vexlor
