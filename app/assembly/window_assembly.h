#pragma once

#include "window/app_services.h"
#include "window/main_window.h"
#include "window_commands.h"
#include "dialogs/connection_doctor_dialog.h"
#include "dialogs/history_dialog.h"

#include "doctor/doctor_run.h"
#include "session/controller_session.h"

#include <memory>

namespace vexlor {

class BridgeLineProvider;
class PortLister;
class SerialPort;
class SystemView;

// How the window reaches the controller: the serial port the session will
// own, how ports are listed, the cables' bridge lines, and the port the user
// named (VEXLOR_PORT), empty to discover one.
struct ControllerLinkParts {
    std::unique_ptr<SerialPort> port;
    const PortLister &ports;
    BridgeLineProvider &bridgeLines;
    QString portOverride;
};

// The window as every program builds it, the tool itself, its tests and the
// screenshot tool alike: the controller session over the given link parts,
// the main window over the start values, the rules, binding, backups and
// every command over the window's views, the session and the desktop
// (WindowCommands), and the connection doctor (Help > Connection Doctor…,
// and the boxes' offer of it) over the session and `system`, what the doctor
// reads of the machine. startUp() is left to the caller, once the desktop's
// parts know the window.
class WindowAssembly {
public:
    WindowAssembly(const DesktopServices &desktop, ControllerLinkParts link,
                   const StartValues &start, const SystemView &system);

    [[nodiscard]] ControllerSession &session() { return m_session; }
    [[nodiscard]] MainWindow &window() { return m_window; }
    [[nodiscard]] ConnectionDoctorDialog &doctor() { return m_doctor; }
    [[nodiscard]] HistoryDialog &history() { return m_history; }
    [[nodiscard]] WindowCommands &commands() { return m_commands; }
    [[nodiscard]] ParameterBinding &binding() { return m_commands.binding(); }
    [[nodiscard]] DocumentCommands &documents() { return m_commands.documents(); }

    // The start-up sequence, once.
    void startUp() { m_commands.startUp(); }

private:
    ControllerSession m_session;
    MainWindow m_window; // goes before the session it works with
    WindowCommands m_commands; // goes before the window whose views it works on
    DoctorRun m_doctorRun;
    ConnectionDoctorDialog m_doctor; // goes before the window it belongs to
    HistoryDialog m_history;         // likewise
};

} // namespace vexlor
