#pragma once

#include "params/number_text.h"

#include <QString>
#include <QStringList>

namespace vexlor {

class FileAssociation;
class FileDialogs;
class MessageBoxes;
class SafetyDialogs;
class SettingsFile;
class ShellOpener;

// The desktop as the window uses it: boxes, dialogs, the shell and the file
// association. The program's entry hands over the real ones; tests and the
// screenshot tool hand over recorders. Each must outlive the window.
struct DesktopServices {
    MessageBoxes &boxes;
    ShellOpener &shell;
    FileDialogs &fileDialogs;
    SafetyDialogs &safetyDialogs; // compare, restore, a failed check after a write
    FileAssociation &fileAssociation;
};

// What the program knows before its first widget, handed to the window when
// it is built.
struct StartValues {
    SettingsFile &settings;     // config.ini: the reopen list, the options, the language
    QString programFolder;      // ProgramFolder: the executable's folder, ending in a separator
    NumberFormat numberFormat;  // the user's number format, for fields, files and values sent
    QString backupFolder;       // where the backups before writes are kept
    QStringList commandLine;    // parameters 1..n, without the program itself
    QString language = QStringLiteral("en"); // the language in use, as the entry installed it
    QString profileFolder;      // where the profiles are kept (beside the backups)
};

} // namespace vexlor
