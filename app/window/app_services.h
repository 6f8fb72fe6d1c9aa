#pragma once

#include <QString>
#include <QStringList>

namespace vexlor {

class ControllerSession;
class FileAssociation;
class FileDialogs;
class MessageBoxes;
class SafetyDialogs;
class ShellOpener;

// What the main window uses from outside, built by the program's entry (the
// real dialogs, desktop and controller link) or by a test (recorders and
// fakes). Each must outlive the window.
struct AppServices {
    MessageBoxes &boxes;
    ShellOpener &shell;
    FileDialogs &fileDialogs;
    SafetyDialogs &safetyDialogs; // compare, restore, a failed check after a write
    FileAssociation &fileAssociation;
    ControllerSession &session;
    QString settingsFolder;  // where config.ini lives
    QString backupFolder;    // where the backups before writes are kept
    QStringList commandLine; // parameters 1..n, without the program itself
    QString language = QStringLiteral("en"); // the language in use, as the entry installed it
};

} // namespace vexlor
