#pragma once

#include "parameter_comparison.h"

#include <QString>

namespace vexlor {

// A short mark of a whole configuration that a shop writes on its paperwork
// and finds again later: eight hexadecimal digits in two groups of four,
// "3F2A-91C0". It is taken from the sixty values a write sends, so a file and
// the controller holding it give the same mark, whatever the decimal
// separator or the texts of the file. The fixed and reserved items count
// with the constants a write sends; what a read's replies carry for them is
// no setting and changes nothing.
//
// The mark is the first four bytes of SHA-256 over the sixty values, two bytes
// each, high byte first, in index order. It must never change: marks on paper
// outlive versions of the tool.
[[nodiscard]] QString settingsFingerprint(const ParameterValues &values);

} // namespace vexlor
