#pragma once

#include <QString>
#include <QStringView>

namespace vexlor {

// Text from a file, a path or the command line as a message quotes it. Control
// characters (C0, DEL, C1) and other invisible ones cannot reach a terminal or
// a message box raw: they show as \xHH (\u{HHHH} above U+00FF), and a backslash
// as \\, so the shown text reads back unambiguously. A result longer than 80
// characters keeps its start and its end around one "…", so a path keeps its
// file name and a huge line cannot widen a message box. Short printable text
// without a backslash comes back unchanged.
[[nodiscard]] QString inputForMessage(QStringView text);

// The same escaping without shortening, for output that lists values in full.
[[nodiscard]] QString escapedForDisplay(QStringView text);

} // namespace vexlor
