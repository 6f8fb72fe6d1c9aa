#pragma once

#include <QString>
#include <QtGlobal>

namespace vexlor {

// A user text marked with QT_TRANSLATE_NOOP(context, text), as the user reads
// it: the installed translation of `context` and `text`, or the text itself
// (UTF-8) when there is none, as under LANG=C. The tables and texts headers
// keep their English source texts as constexpr char pointers; they are
// translated here, where they are shown.
[[nodiscard]] QString translated(const char *context, const char *text);

// The parameter table's captions, units and option texts (context "Parameters").
[[nodiscard]] QString parameterText(const char *text);

} // namespace vexlor
