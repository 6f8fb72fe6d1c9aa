#pragma once

#include "number_text.h"
#include "parameter_table.h"

#include <QList>
#include <QString>

#include <array>

namespace vexlor {

// The sixteen-bit values of the sixty protocol items, by index: what a write
// sends, or what a read's replies carried.
using ParameterValues = std::array<quint16, kProtocolItemCount>;

// One parameter whose sixteen-bit values differ, with both values as the
// window would show them after a read.
struct ParameterDifference {
    int index = 0;
    const ParameterDescriptor *descriptor = nullptr; // caption (fieldLabel()), unit (shownUnit())
    quint16 expectedValue = 0; // the window's, the file's, or what was written
    quint16 actualValue = 0;   // what the controller holds
    QString expectedText;
    QString actualText;

    friend bool operator==(const ParameterDifference &, const ParameterDifference &) = default;
};

// A value as the window shows it once a read put it there: an edit's text
// (decoded with the row's read format, the locale's separator), "On" or "Off"
// for a check box, the chosen option's text for a radio pair or group, the
// position for a track bar. Index 0 to 59; fixed items give their number.
[[nodiscard]] QString shownValueText(int index, quint16 value, NumberFormat format);

// The unit beside a parameter's field, as a list shows it after a value: the
// window's label without surrounding blanks or a trailing comma ("V", "%",
// "magnets a circle"); empty for controls without one.
[[nodiscard]] QString shownUnit(const ParameterDescriptor &descriptor);

// A value with the unit beside its field, as lists show it: "14.0 A",
// "8:1"; the value alone for a field without a unit.
[[nodiscard]] QString valueWithUnit(const ParameterDescriptor &descriptor, const QString &text);

// The parameters that a read decodes (fixed and reserved items never) whose
// values differ, in the window's order (parametersInWindowOrder()). Two
// different values that would show the same text (14.0 A is both 294 and 295
// counts) each get their sixteen-bit value in brackets: "14.0 (294)".
[[nodiscard]] QList<ParameterDifference> differingParameters(const ParameterValues &expected,
                                                            const ParameterValues &actual,
                                                            NumberFormat format);

} // namespace vexlor
