#pragma once

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
// value outside 0..65535 (never sent wrapped).
[[nodiscard]] EncodedValue encodeParameter(int index, const ParameterSnapshot &snapshot,
                                           NumberFormat format);

// All sixty, in index order; stops at the first error.
[[nodiscard]] EncodedSet encodeAll(const ParameterSnapshot &snapshot, NumberFormat format);

// What a received value puts into the index's control; nullopt for the fixed
// and reserved items, which are never decoded.
[[nodiscard]] std::optional<ControlValue> decodeParameter(int index, quint16 value,
                                                          NumberFormat format);

} // namespace vexlor
