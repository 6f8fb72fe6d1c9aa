#pragma once

#include <QString>

namespace vexlor {

// The title without its version; start-up appends kProgramVersionSuffix.
inline constexpr const char *kProgramTitleBase = "Vexlor Controller (FOC) Parameters Adjustor";
inline constexpr const char *kProgramVersionSuffix = " v1.35";

// The About box's three credit lines: author with year, maker, rights.
inline constexpr const char *kAboutCredits =
    "Vexlor developers, 2026\n"
    "Vexlor e-Drive\n"
    "All rights reserved.";

// The user guide. Help Topics opens it from the folder the tool was started
// in (or the last file dialog's); Technical Support finds it like the other
// data files.
inline constexpr const char *kHelpDocumentName = "help.pdf";

// The name the desktop shows for the program that opens .vxc files.
inline constexpr const char *kApplicationName = "Vexlor Adjustor";

// ProgramFolder: the executable's folder, ending in a separator.
[[nodiscard]] QString executableFolder();

} // namespace vexlor
