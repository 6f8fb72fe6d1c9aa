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
    QString allowed; // "at most 30.0 A", "200 ms or more", "0.9 V to 3.0 V", "1 to 9"
};

// The values of `snapshot` its window field would refuse, in index order:
// beyond the bounds the window's range rules hold their fields to, a full
// throttle voltage below the start voltage, and for the controls that step (the
// level count's up-down, track bars, radio groups) a value beyond their
// positions, all from the parameter table. The rules only bound what is typed:
// a file or a read can put anything into a field. Texts that are no number are
// not listed; encoding refuses them.
[[nodiscard]] QList<LimitBreach> valuesBeyondFieldLimits(const ParameterSnapshot &snapshot,
                                                         NumberFormat format);

// The range the window holds the field of `d` to, its bounds as the range
// rule writes them and without unit ("at most 30.0", "0.9 to 3.0"); the
// steps of the level count and of a slider ("1 to 9"); empty for none.
[[nodiscard]] QString fieldRangeText(const ParameterDescriptor &d, NumberFormat format);

// The same range with units, as a list or an explanation writes it ("at most
// 30.0 A", "200 ms or more", "0.9 V to 3.0 V", "the start voltage to 4.2 V",
// "1 to 9"); empty for none.
[[nodiscard]] QString allowedRangeText(const ParameterDescriptor &d, NumberFormat format);

// One line each: "Max battery current: 100.0 A (allowed: at most 30.0 A)",
// "Full: 0.4 V (allowed: from the start voltage, 0.5 V, to 4.2 V)".
[[nodiscard]] QString limitBreachLines(const QList<LimitBreach> &breaches);

} // namespace vexlor
