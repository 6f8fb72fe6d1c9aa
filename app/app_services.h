#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace vexlor {

class BridgeLine;
class FileAssociation;
class FileDialogs;
class MessageBoxes;
class PortLister;
class SerialPort;
class ShellOpener;

// What the main window uses from outside, built by the program's entry (the
// real dialogs, desktop and link) or by a test (recorders and fakes). Each
// must outlive the window.
struct AppServices {
    MessageBoxes &boxes;
    ShellOpener &shell;
    FileDialogs &fileDialogs;
    FileAssociation &fileAssociation;
    QString settingsFolder;  // where config.ini lives
    QStringList commandLine; // parameters 1..n, without the program itself
    // The controller link's backends; the window takes over the port.
    std::unique_ptr<SerialPort> serialPort;
    const PortLister &portLister;
    BridgeLine &bridgeLine;
};

} // namespace vexlor
