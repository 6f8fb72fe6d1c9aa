#include "window_assembly.h"

#include "link/serial_port.h"

namespace vexlor {

WindowAssembly::WindowAssembly(const DesktopServices &desktop, ControllerLinkParts link,
                               const StartValues &start)
    : m_session(std::move(link.port), link.ports, link.bridgeLines, std::move(link.portOverride))
    , m_window(desktop, m_session, start)
{
}

} // namespace vexlor
