#pragma once

#include "parameter_table.h"

#include <QString>

#include <array>

namespace vexlor {

// The state of one parameter's control, as the window holds it.
// Edit kinds (Decimal, Whole, LevelCount) use `text`; the others use `number`:
// Flag 0 or 1, TwoWay 0 (first button) or 1 (second), Choice the selected item
// (-1 for none), Slider the position.
struct ControlValue {
    QString text;
    int number = 0;
    // Where `text` came from a file and the decimal-separator fix-up changed
    // it ("2.154" read as "2,154"): the file's own text, which messages quote
    // so the user finds it in the file. Empty otherwise; not part of the value.
    QString fileText;

    friend bool operator==(const ControlValue &a, const ControlValue &b)
    {
        return a.text == b.text && a.number == b.number;
    }
};

// A copy of every parameter control's state, taken from the window (or built
// by the CLI). The core encodes, writes and compares snapshots; it never sees
// a widget.
struct ParameterSnapshot {
    std::array<ControlValue, kProtocolItemCount> items; // by protocol index; fixed items unused
    bool limitMaxSpeed = true;                          // CheckBox7, only shapes index 5

    [[nodiscard]] ControlValue &operator[](int index) { return items[index]; }
    [[nodiscard]] const ControlValue &operator[](int index) const { return items[index]; }

    // The window as it starts: every control at its initial value.
    [[nodiscard]] static ParameterSnapshot initial();

    friend bool operator==(const ParameterSnapshot &, const ParameterSnapshot &) = default;
};

// One value to put into one parameter's control: what a controller read or a
// file yields. The window applies it with the control's side effects (group
// switching for CheckBox1/CheckBox2, the level rule after index 20).
struct ControlAssignment {
    int index = 0;
    ControlValue value;
};

} // namespace vexlor
