#pragma once

#include "number_text.h"
#include "parameter_snapshot.h"

#include <QList>
#include <QString>

namespace vexlor {

// Whether `value` lies beyond `bound` (a value equal to it does not).
[[nodiscard]] bool beyondBound(const FieldBound &bound, double value);

// A value beyond the limits the window holds its field to.
struct LimitBreach {
    const ParameterDescriptor *descriptor = nullptr;
    QString text;    // the value as the snapshot holds it
    QString allowed; // "at most 30.0 A", "0.9 V to 3.0 V"
};

// The values of `snapshot` beyond the bounds the window's range rules hold
// their fields to (the parameter table's), and a full throttle voltage below
// the start voltage, in index order. The rules only bound what is typed: a
// file or a read can put anything into a field. Texts that are no number are
// not listed; encoding refuses them.
[[nodiscard]] QList<LimitBreach> valuesBeyondFieldLimits(const ParameterSnapshot &snapshot,
                                                         NumberFormat format);

// The range the window holds the field of `d` to, its bounds as the range
// rule writes them and without unit ("at most 30.0", "0.9 to 3.0"); the
// steps of the level count and of a slider ("1 to 9"); empty for none.
[[nodiscard]] QString fieldRangeText(const ParameterDescriptor &d, NumberFormat format);

// One line each: "Max battery current: 100.0 A (allowed: at most 30.0 A)".
[[nodiscard]] QString limitBreachLines(const QList<LimitBreach> &breaches);

} // namespace vexlor
