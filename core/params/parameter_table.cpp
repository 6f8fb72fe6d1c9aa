#include "parameter_table.h"

#include <QtGlobal>

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

// `limitUnit`: where `unit` says more than the measure, the measure alone.
constexpr ParameterDescriptor whole(int index, const char *name, const char *control,
                                    const char *caption, const char *unit,
                                    const char *defaultText, int divisor = 1, const char *limitUnit = "")
{
    ParameterDescriptor d;
    d.index = index;
    d.name = name;
    d.kind = K::Whole;
    d.control = control;
    d.caption = caption;
    d.unit = unit;
    d.factor = divisor;
    d.limitUnit = limitUnit;
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
                                  QT_TRANSLATE_NOOP("Parameters", "PAS levels (1~9):"), "", "9");
    d.kind = K::LevelCount;
    d.minimum = 1;
    d.maximum = 9;
    return d;
}

constexpr ParameterDescriptor levelLimit(int level, const char *name, const char *control,
                                         const char *caption, const char *defaultText)
{
    return bounded(whole(20 + level, name, control, caption, QT_TRANSLATE_NOOP("Parameters", "%"),
                         defaultText),
                   above(100, "100"));
}

// Captions, units and option texts are user texts of the context "Parameters",
// shown through parameterText(); object names, parameter names and default
// texts are not. lupdate reads the QT_TRANSLATE_NOOP marks and the "//:"
// comments for the translators.
constexpr std::array<ParameterDescriptor, kProtocolItemCount> kTable = {
    fixedItem(0, 256), // version item; its read reply carries the controller's version
    bounded(decimal(1, "MaxBatteryCurrent", "LabeledEdit16",
                    QT_TRANSLATE_NOOP("Parameters", "Max battery current: "),
                    //: unit: ampere
                    QT_TRANSLATE_NOOP("Parameters", "A"), 21, "0.0", "14.0"),
            above(30, "30.0")),
    decimal(2, "LowVoltageProtection", "LabeledEdit17",
            //: the battery voltage below which the controller cuts the motor
            QT_TRANSLATE_NOOP("Parameters", "Low voltage protection: "),
            //: unit: volt
            QT_TRANSLATE_NOOP("Parameters", "V"), 330, "0.0", "31.5"),
    slider(3, "Acceleration", "TrackBar2", QT_TRANSLATE_NOOP("Parameters", "Acceleration:"), 0, 10,
           18, 10, 5),
    twoWay(4, "BrakeVoltageLevel", "RadioButton1", "RadioButton2",
           //: the brake lever sensor's signal level; its two buttons are "Low" and "High"
           QT_TRANSLATE_NOOP("Parameters", "Brake voltage:"),
           //: brake signal level
           QT_TRANSLATE_NOOP("Parameters", "Low"),
           //: brake signal level
           QT_TRANSLATE_NOOP("Parameters", "High")),
    decimal(5, "SpeedLimit", "LabeledEdit15", QT_TRANSLATE_NOOP("Parameters", "Speed limit: "),
            QT_TRANSLATE_NOOP("Parameters", "km/h"), 10, "0.0", "25.0"),
    whole(6, "SpeedometerMagnets", "LabeledEdit14",
          //: how many magnets pass the speed sensor per wheel turn
          QT_TRANSLATE_NOOP("Parameters", "Speedometer magnets: "), "", "1"),
    whole(7, "WheelPerimeter", "Edit9", QT_TRANSLATE_NOOP("Parameters", "Wheel perimeter: "),
          //: unit: millimetre
          QT_TRANSLATE_NOOP("Parameters", "mm"), "2074"),
    flag(8, "UsePedalSensor", "CheckBox2", QT_TRANSLATE_NOOP("Parameters", "Use pedal speed sensor"),
         true),
    twoWay(9, "PedalSensorDutyCycle", "RadioButton3", "RadioButton4",
           //: the pedal sensor signal's duty cycle; its buttons are "< 50%" and "> 50%"
           QT_TRANSLATE_NOOP("Parameters", "Duty cycle:"),
           QT_TRANSLATE_NOOP("Parameters", "< 50%"), QT_TRANSLATE_NOOP("Parameters", "> 50%")),
    whole(10, "PedalSensorMagnets", "Edit1", "",
          //: after a field without a caption: the number of magnets on the pedal sensor's disc
          QT_TRANSLATE_NOOP("Parameters", "magnets a circle"), "12", 1,
          //: a count of magnets, after a number: "12 magnets"
          QT_TRANSLATE_NOOP("Parameters", "magnets")),
    whole(11, "PedalStartMagnets", "LabeledEdit2",
          //: "Start after [2] magnets passed": assist starts after this many sensor magnets
          QT_TRANSLATE_NOOP("Parameters", "Start after "),
          //: "Start after [2] magnets passed"
          QT_TRANSLATE_NOOP("Parameters", "magnets passed"), "2", 1,
          QT_TRANSLATE_NOOP("Parameters", "magnets")),
    bounded(whole(12, "PedalStopDelay", "LabeledEdit3",
                  //: "Stop after [500] ms stop pedaling": assist stops this long after pedalling stops
                  QT_TRANSLATE_NOOP("Parameters", "Stop after "),
                  //: "Stop after [500] ms stop pedaling"
                  QT_TRANSLATE_NOOP("Parameters", "ms stop pedaling"), "500", 5,
                  //: unit: millisecond, in a limit: "200 ms or more"
                  QT_TRANSLATE_NOOP("Parameters", "ms")),
            below(200, "200")),
    slider(13, "PasRatio", "TrackBar1",
           //: pedal assist sensor (PAS) ratio, a track bar from 1 to 9
           QT_TRANSLATE_NOOP("Parameters", "PAS ratio: "), 1, 9, 180, 0, 5),
    flag(14, "UseThrottle", "CheckBox1", QT_TRANSLATE_NOOP("Parameters", "Use throttle"), true),
    bounded(whole(15, "ThrottleMaxOutput", "LabeledEdit1",
                  //: the throttle's largest output, in percent
                  QT_TRANSLATE_NOOP("Parameters", "Max output: "),
                  //: unit: percent
                  QT_TRANSLATE_NOOP("Parameters", "%"), "100"),
            above(100, "100")),
    flag(16, "ThrottleLimitedByPasLevels", "CheckBox3",
         //: the throttle follows the assist level limits
         QT_TRANSLATE_NOOP("Parameters", "Limited by PAS level limits"), false),
    bounded(decimal(17, "ThrottleStartVoltage", "LabeledEdit18",
                    //: the throttle's voltage where it starts; the row reads
                    //: "Start voltage: [1.2] V, Full: [3.4] V"
                    QT_TRANSLATE_NOOP("Parameters", "Start voltage: "),
                    //: unit: volt, followed on the same row by "Full: [3.4] V"
                    QT_TRANSLATE_NOOP("Parameters", "V,"), 13800, "0.0", "1.2"),
            below(0.9, "0.9"), above(3, "3.0")),
    notBelowStartVoltage(bounded(
        decimal(18, "ThrottleFullVoltage", "LabeledEdit26",
                //: the throttle's voltage at full twist, after "Start voltage: [1.2] V,"; keep it short
                QT_TRANSLATE_NOOP("Parameters", "Full: "), QT_TRANSLATE_NOOP("Parameters", "V"), 13800,
                "0.0", "3.4"),
        above(4.2, "4.2"))),
    choice(19, "ThrottleWorkingStyle", "RadioGroup1",
           //: how the throttle works with the pedal sensor (a group of three choices)
           QT_TRANSLATE_NOOP("Parameters", "Working style"),
           {QT_TRANSLATE_NOOP("Parameters", "Independently"),
            QT_TRANSLATE_NOOP("Parameters", "Together with pedal sensor"),
            QT_TRANSLATE_NOOP("Parameters", "Start by pedal sensor")},
           3),
    levelCount(),
    levelLimit(1, "LevelLimit1", "LabeledEdit5", QT_TRANSLATE_NOOP("Parameters", "Level 1: "), "40"),
    levelLimit(2, "LevelLimit2", "LabeledEdit6", QT_TRANSLATE_NOOP("Parameters", "Level 2: "), "45"),
    levelLimit(3, "LevelLimit3", "LabeledEdit7", QT_TRANSLATE_NOOP("Parameters", "Level 3: "), "50"),
    levelLimit(4, "LevelLimit4", "LabeledEdit8", QT_TRANSLATE_NOOP("Parameters", "Level 4: "), "55"),
    levelLimit(5, "LevelLimit5", "LabeledEdit9", QT_TRANSLATE_NOOP("Parameters", "Level 5: "), "60"),
    levelLimit(6, "LevelLimit6", "LabeledEdit10", QT_TRANSLATE_NOOP("Parameters", "Level 6: "), "70"),
    levelLimit(7, "LevelLimit7", "LabeledEdit11", QT_TRANSLATE_NOOP("Parameters", "Level 7: "), "80"),
    levelLimit(8, "LevelLimit8", "LabeledEdit12", QT_TRANSLATE_NOOP("Parameters", "Level 8: "), "90"),
    levelLimit(9, "LevelLimit9", "LabeledEdit13", QT_TRANSLATE_NOOP("Parameters", "Level 9: "), "100"),
    flag(30, "LevelLimitsSpeed", "CheckBox5",
         //: the assist levels limit the speed
         QT_TRANSLATE_NOOP("Parameters", "Limit speed"), true),
    flag(31, "LevelLimitsCurrent", "CheckBox6",
         //: the assist levels limit the current
         QT_TRANSLATE_NOOP("Parameters", "Limit current"), false),
    bounded(whole(32, "WalkAssistLimit", "LabeledEdit19", QT_TRANSLATE_NOOP("Parameters", "Walk assist: "),
                  QT_TRANSLATE_NOOP("Parameters", "%"), "20"),
            above(100, "100")),
    flag(33, "PedalWithThrottle", "CheckBox4",
         //: the pedal sensor works together with the throttle
         QT_TRANSLATE_NOOP("Parameters", "Work together with throttle"), false),
    fixedItem(34, 0), fixedItem(35, 0), fixedItem(36, 0),
    fixedItem(37, 0), fixedItem(38, 0), fixedItem(39, 0),
    choice(40, "HallSensorType", "RadioGroup4",
           //: the motor's Hall sensors: 120 degree, 60 degree or none
           QT_TRANSLATE_NOOP("Parameters", "Hall sensor"),
           {QT_TRANSLATE_NOOP("Parameters", "120° Sensors"),
            QT_TRANSLATE_NOOP("Parameters", "60° Sensors"),
            QT_TRANSLATE_NOOP("Parameters", "Sensorless")},
           3),
    choice(41, "RotationDirection", "RadioGroup3",
           //: a hub motor with or without a freewheel (one-way clutch) inside
           QT_TRANSLATE_NOOP("Parameters", "Rotation direction"),
           {QT_TRANSLATE_NOOP("Parameters", "One way clutch"),
            QT_TRANSLATE_NOOP("Parameters", "Without clutch"), nullptr},
           2),
    whole(42, "MotorRatedVoltage", "Edit2", QT_TRANSLATE_NOOP("Parameters", "Rated voltage: "),
          QT_TRANSLATE_NOOP("Parameters", "V"), "36"),
    bounded(whole(43, "MotorRatedPower", "Edit3", QT_TRANSLATE_NOOP("Parameters", "Rated power: "),
                  //: unit: watt
                  QT_TRANSLATE_NOOP("Parameters", "W"), "250"),
            above(500, "500")),
    fixedItem(44, 1),
    whole(45, "MotorPolePairs", "Edit4", QT_TRANSLATE_NOOP("Parameters", "No. of pole-pairs: "), "",
          "10"),
    bounded(whole(46, "MotorNoLoadSpeed", "Edit5", QT_TRANSLATE_NOOP("Parameters", "No-load speed: "),
                  //: unit: revolutions per minute
                  QT_TRANSLATE_NOOP("Parameters", "rpm"), "1500"),
            above(5000, "5000")),
    decimal(47, "MotorReductionRatio", "Edit6",
            //: the motor's gear ratio, shown as "[8] :1"
            QT_TRANSLATE_NOOP("Parameters", "Reduction ratio: "),
            //: after the reduction ratio's field: "[8] :1"
            QT_TRANSLATE_NOOP("Parameters", ":1"), 10, "0.0", "8"),
    whole(48, "StatorResistance", "Edit7", QT_TRANSLATE_NOOP("Parameters", "Stator resistance: "),
          //: unit: milliohm
          QT_TRANSLATE_NOOP("Parameters", "mOhm"), "300"),
    decimal(49, "StatorInductance", "Edit8", QT_TRANSLATE_NOOP("Parameters", "Stator inductance: "),
            //: unit: millihenry
            QT_TRANSLATE_NOOP("Parameters", "mH"), 1000, "0.000", "0.3"),
    bounded(whole(50, "MaxPhaseCurrent", "Edit10", QT_TRANSLATE_NOOP("Parameters", "Max phase current:"),
                  QT_TRANSLATE_NOOP("Parameters", "A"), "30"),
            above(70, "70")),
    fixedItem(51, 0), fixedItem(52, 0), fixedItem(53, 0), fixedItem(54, 0), fixedItem(55, 0),
    fixedItem(56, 0), fixedItem(57, 0), fixedItem(58, 0), fixedItem(59, 0),
};

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

const ParameterDescriptor *parameterByName(const char *name)
{
    for (const auto &d : kTable) {
        if (d.isStored() && std::strcmp(d.name, name) == 0)
            return &d;
    }
    return nullptr;
}

} // namespace vexlor
