#pragma once

#include "params/number_text.h"

#include <QString>
#include <QStringList>

namespace vexlor {

class ControllerSession;
class FileAssociation;
class FileDialogs;
class MessageBoxes;
class SafetyDialogs;
class SettingsFile;
class ShellOpener;

// What the main window uses from outside, built by the program's entry (the
// real dialogs, desktop and controller link) or by a test (recorders and
// fakes), with the values the entry knows before the first widget. Each
// reference must outlive the window.
struct AppServices {
    MessageBoxes &boxes;
    ShellOpener &shell;
    FileDialogs &fileDialogs;
    SafetyDialogs &safetyDialogs; // compare, restore, a failed check after a write
    FileAssociation &fileAssociation;
    ControllerSession &session;
    SettingsFile &settings;     // config.ini: the reopen list, the options, the language
    QString programFolder;      // ProgramFolder: the executable's folder, ending in a separator
    NumberFormat numberFormat;  // the user's number format, for fields, files and values sent
    QString backupFolder;       // where the backups before writes are kept
    QStringList commandLine;    // parameters 1..n, without the program itself
    QString language = QStringLiteral("en"); // the language in use, as the entry installed it
};

} // namespace vexlor
