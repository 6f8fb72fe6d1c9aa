#include "window_assembly.h"

#include "basics/program_info.h"

#include "doctor/system_checks.h"
#include "cables/port_discovery.h"
#include "commands/operation_records.h"
#include "port/serial_port.h"

namespace vexlor {

WindowAssembly::WindowAssembly(const DesktopServices &desktop, ControllerLinkParts link,
                               const StartValues &start, const SystemView &system)
    : m_session(std::move(link.port), link.ports, link.bridgeLines, std::move(link.portOverride))
    , m_window(start)
    , m_commands(m_window, desktop, m_session, start)
    , m_doctorRun(system, link.ports, m_session, DoctorRun::SessionState::Running)
    , m_doctor(m_doctorRun, QStringLiteral("vexlor-adjustor") + QLatin1String(kProgramVersionSuffix),
               &m_window)
    , m_history(start.records) // a window of its own beside the main window, its fields not the tabs'
{
    m_commands.connectHistory(m_history);
    // The cable's serial number for the register, as the port list knows it.
    m_commands.records().setCableSerialLookup([&ports = link.ports](const QString &path) {
        const auto entry = ports.portAt(path);
        return entry ? entry->usb.serialNumber : QString();
    });
    QObject::connect(&m_window, &MainWindow::connectionDoctorRequested, &m_doctor,
                     &ConnectionDoctorDialog::showAndRun);
    // The permission box advises what the doctor advises for the same node.
    m_commands.setAccessAdvisor([&system, &ports = link.ports](const QString &path) {
        return accessFinding(system, ports, path);
    });
}

} // namespace vexlor
