#pragma once

#include <QtGlobal>

#include <array>
#include <span>

namespace vexlor {

// The controller protocol has exactly sixty items, indices 0 to 59, one frame each.
inline constexpr int kProtocolItemCount = 60;
// Of those, 43 carry user parameters; these are the items a .vxc file stores.
inline constexpr int kStoredParameterCount = 43;

// How a parameter's control state becomes the 16-bit value on the wire and back.
enum class ParameterKind {
    Fixed,      // no control: always sends fixedValue, never decoded
    Decimal,    // edit holding a real number; sent as text x factor, truncated
    Whole,      // edit holding a signed 32-bit integer; sent divided by factor
    LevelCount, // the read-only PAS level field stepped by its up-down; encoded like Whole
    Flag,       // check box: ticked 1, clear 0
    TwoWay,     // radio pair: second button selected 1, otherwise 0
    Choice,     // radio group: selected item's index
    Slider,     // track bar: position x factor + offset
};

// A bound the window holds an edit field's value to when the user leaves the
// field: a value beyond it is replaced by a fixed text (written here with a
// point; the window shows it with the user's decimal separator). A value
// equal to the bound passes.
struct FieldBound {
    enum class Side { None, Above, Below };
    Side side = Side::None;
    double limit = 0;
    const char *replacement = "";
};

// One row of the parameter table. Every piece of the tool that touches a
// parameter (encoder, decoder, file reader and writer, the window's binding,
// the emulator and the CLI) walks this table; nothing lists parameters twice.
struct ParameterDescriptor {
    int index = 0;                   // protocol index; also the .vxc key
    const char *name = "";           // parameter name, "MaxBatteryCurrent"; empty for fixed items
    ParameterKind kind = ParameterKind::Fixed;
    const char *control = "";        // object name of the control ("LabeledEdit16", "RadioButton1")
    const char *secondControl = "";  // TwoWay: the second radio button ("RadioButton2")
    // The user texts below are English sources marked for translation in the
    // context "Parameters"; parameterText() (translation.h) shows them.
    const char *caption = "";        // label, check-box text or group title
    const char *unit = "";           // label right of an edit ("A", "magnets a circle")
    // Where `unit` says more than the measure ("ms stop pedaling"): the measure
    // alone, as limit texts write it after a bound ("200 ms or more").
    const char *limitUnit = "";
    std::array<const char *, 3> options{}; // TwoWay: the two button texts; Choice: item texts
    int optionCount = 0;             // TwoWay: 2; Choice: number of items
    int factor = 1;                  // Decimal: counts per unit; Whole: divisor; Slider: multiplier
    int offset = 0;                  // Slider: added after multiplying
    int minimum = 0;                 // Slider: lowest position
    int maximum = 0;                 // Slider: highest position
    const char *readFormat = "";     // decoded text pattern: "0.0", "0.000" or "0"
    quint16 fixedValue = 0;          // Fixed: the constant sent
    const char *defaultText = "";    // Decimal, Whole, LevelCount: the window's initial text
    int defaultNumber = 0;           // Flag, TwoWay, Choice, Slider: initial tick, button, item or position
    // The window's range rule: the bounds, tried in order, each on the text as
    // it stands after the one before; then, with notBelowStartVoltage, a value
    // below the throttle's start voltage becomes that voltage plus 0.2.
    std::array<FieldBound, 2> bounds{};
    bool notBelowStartVoltage = false;

    [[nodiscard]] constexpr bool isStored() const { return kind != ParameterKind::Fixed; }
    [[nodiscard]] constexpr bool hasTextControl() const
    {
        return kind == ParameterKind::Decimal || kind == ParameterKind::Whole
            || kind == ParameterKind::LevelCount;
    }
    [[nodiscard]] constexpr bool hasRangeRule() const
    {
        return bounds[0].side != FieldBound::Side::None || notBelowStartVoltage;
    }
};

// Index 5 (SpeedLimit) is sent as this constant when "Limit max speed" is clear.
inline constexpr quint16 kUnlimitedSpeedValue = 9000;
inline constexpr int kSpeedLimitIndex = 5;
inline constexpr int kWheelPerimeterIndex = 7;
inline constexpr int kUseThrottleIndex = 14;
inline constexpr int kThrottleStartVoltageIndex = 17;
inline constexpr int kWorkingStyleIndex = 19;
inline constexpr int kPasLevelCountIndex = 20;
inline constexpr int kFirstLevelLimitIndex = 21; // LevelLimit1; the nine follow in order
inline constexpr int kLevelLimitCount = 9;
inline constexpr int kHallSensorTypeIndex = 40;
inline constexpr int kRatedPowerIndex = 43;
inline constexpr int kStatorResistanceIndex = 48;

// All sixty protocol items, by index (parameterTable()[i].index == i).
[[nodiscard]] std::span<const ParameterDescriptor, kProtocolItemCount> parameterTable();

// The row of one protocol index; index must be 0..59.
[[nodiscard]] const ParameterDescriptor &parameterAt(int index);

// The row whose key is `key`, or nullptr when that key has no stored parameter
// (0, 34 to 39, 44, 51 and above, negatives).
[[nodiscard]] const ParameterDescriptor *storedParameter(int key);

// The 43 stored parameters in file order (keys 1..33, 40..43, 45..50).
[[nodiscard]] std::span<const ParameterDescriptor *const, kStoredParameterCount> storedParameters();

// The row of the parameter called `name` ("MaxBatteryCurrent"), or nullptr.
[[nodiscard]] const ParameterDescriptor *parameterByName(const char *name);

} // namespace vexlor
