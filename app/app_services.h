#pragma once

#include <QStringList>

namespace vexlor {

class FileAssociation;
class FileDialogs;
class MessageBoxes;
class ShellOpener;
class BridgeLine;
class PortLister;
class SerialPort;

// What the main window needs from outside. Left null, the window uses the
// real dialogs and the desktop; tests pass recorders instead.
struct AppServices {
    MessageBoxes *boxes = nullptr;
    ShellOpener *shell = nullptr;
    QStringList commandLine; // parameters 1..n, without the program itself
    FileDialogs *fileDialogs = nullptr;
    FileAssociation *fileAssociation = nullptr;
    // Where config.ini lives; empty: beside the executable when that folder
    // can be written, else the user's configuration folder.
    QString settingsFolder;
    // The controller link's backends; null for the serial port, the system's
    // port list and the USB bridge. The window takes over `serialPort`;
    // `portLister` and `bridgeLine` must outlive it.
    SerialPort *serialPort = nullptr;
    const PortLister *portLister = nullptr;
    BridgeLine *bridgeLine = nullptr;
};

} // namespace vexlor
