#pragma once

#include "extended_decimal.h"
#include "number_text.h"
#include "parameter_snapshot.h"

#include <QString>

#include <array>
#include <optional>

namespace vexlor {

// The value one protocol index sends, or why it cannot be sent.
struct EncodedValue {
    quint16 value = 0;
    QString error; // the message to show; empty when the value is good

    [[nodiscard]] bool ok() const { return error.isEmpty(); }
};

// The sixty values of a transaction, or the first error in index order.
struct EncodedSet {
    std::array<quint16, kProtocolItemCount> values{};
    int errorIndex = -1;
    QString error;

    [[nodiscard]] bool ok() const { return error.isEmpty(); }
};

// Turns one index's control state into its 16-bit wire value. Errors: the
// conversion messages for a text that is not a number, and a refusal for a
// value outside 0..65535 (never sent wrapped), or a radio group with nothing
// selected. `arithmetic` only matters for tests; the default is exact everywhere.
[[nodiscard]] EncodedValue encodeParameter(int index, const ParameterSnapshot &snapshot,
                                           NumberFormat format,
                                           ExtendedArithmetic arithmetic = defaultArithmetic());

// All sixty, in index order; stops at the first error.
[[nodiscard]] EncodedSet encodeAll(const ParameterSnapshot &snapshot, NumberFormat format,
                                   ExtendedArithmetic arithmetic = defaultArithmetic());

// What a received value puts into the index's control; nullopt for the fixed
// and reserved items, which are never decoded. Index 5 yields the speed edit's
// text only: "Limit max speed" is never changed by a read.
[[nodiscard]] std::optional<ControlValue> decodeParameter(int index, quint16 value,
                                                          NumberFormat format,
                                                          ExtendedArithmetic arithmetic = defaultArithmetic());

// How messages name a field: its caption without the trailing ":" and blanks
// ("Max battery current"); a field without a caption of its own is named after
// its parameter ("Pedal sensor magnets").
[[nodiscard]] QString fieldLabel(const ParameterDescriptor &descriptor);

// Decimal places of a read format: "0.0" 1, "0.000" 3, "0" 0.
[[nodiscard]] int formatDecimals(const char *readFormat);

// "'70000' is out of range for Wheel perimeter: the controller accepts 0 to 65535."
// The range is in the field's own units (0 to 327679 ms); a decimal field has
// no largest value, so its limit is exclusive: "0 to less than 3120.762" A.
[[nodiscard]] QString outOfRangeMessage(const ParameterDescriptor &descriptor, const QString &text,
                                        NumberFormat format);

} // namespace vexlor
