#pragma once

#include "parameter_table.h"

#include <span>

namespace vexlor {

// What one stored parameter does on the bike, in the words a rider reads in
// its field's tip, the guide and `vexlor-cli explain`: English sources of
// the translation context "Explanations". Only what is known is said: where
// a higher or lower value's effect inside the controller is not known,
// `higher` and `lower` stay null and the explanation says so.
struct ParameterEffects {
    const char *name = "";    // the parameter table's name, "MaxBatteryCurrent"
    const char *what = "";    // what the setting is and does
    const char *higher = nullptr; // what a value too high does; null: not known
    const char *lower = nullptr;  // what a value too low does; null: not known
};

// Every entry, one per stored parameter, keyed by its name.
[[nodiscard]] std::span<const ParameterEffects> parameterEffects();

// The entry of a stored parameter; nullptr when it has none (a parameter
// added to the table without its explanation, which the tests refuse).
[[nodiscard]] const ParameterEffects *effectsOf(const ParameterDescriptor &descriptor);

} // namespace vexlor
