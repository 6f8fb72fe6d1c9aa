#pragma once

#include <QString>

#include <functional>

namespace vexlor {

// The title without its version; start-up appends kProgramVersionSuffix.
inline constexpr const char *kProgramTitleBase = "Vexlor Controller (FOC) Parameters Adjustor";
inline constexpr const char *kProgramVersionSuffix = " v1.35";

// The About box's first two credit lines, author with year and maker: names,
// not translated. The third, the rights line, is a translated text.
inline constexpr const char *kAboutAuthors =
    "Vexlor developers, 2026\n"
    "Vexlor e-Drive";

// The user guide. Help Topics opens it from the folder the tool was started
// in (or the last file dialog's); Technical Support finds it like the other
// data files.
inline constexpr const char *kHelpDocumentName = "help.pdf";

// The guide in the language in use, "help.de.pdf" for "de", when `isThere`
// finds it; else the English guide, kHelpDocumentName.
[[nodiscard]] QString helpDocumentName(const QString &language,
                                       const std::function<bool(const QString &)> &isThere);

// The name the desktop shows for the program that opens .vxc files.
inline constexpr const char *kApplicationName = "Vexlor Adjustor";

// ProgramFolder: the executable's folder, ending in a separator.
[[nodiscard]] QString executableFolder();

} // namespace vexlor
