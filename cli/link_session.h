#pragma once

#include "cli_context.h"

#include "link/controller_link.h"
#include "link/ftdi_bridge_line.h"
#include "link/link_shutdown.h"
#include "link/link_startup.h"
#include "link/port_discovery.h"
#include "link/port_finder.h"

#include <QObject>

#include <functional>

namespace vexlor::cli {

// One CLI command's time with the controller, as the window spends it:
// discover and open the port (with the bridge line high), run the command's
// exchange, then close and drop the line. Runs the event loop until done.
class LinkSession : public QObject {
    Q_OBJECT
public:
    // `unreachedMessage` is what the command reports when there is no port
    // to talk through ("Connection to controller is not detected!").
    LinkSession(CliContext &context, QString unreachedMessage);

    // Runs `exchange` once the link is open; it calls finish(code) when over.
    // Returns the exit code.
    [[nodiscard]] int run(std::function<void()> exchange);
    void finish(int exitCode);

    [[nodiscard]] ControllerLink &link() { return m_link; }

private:
    void onStarted(DeviceState state);
    void reportUnreached();

    CliContext &m_context;
    QString m_unreachedMessage;
    SystemPortLister m_lister;
    PortFinder m_finder;
    FtdiBridgeLine m_bridge;
    ControllerLink m_link;
    LinkStartup m_startup;
    LinkShutdown m_shutdown;
    std::function<void()> m_exchange;
    int m_exitCode = kExitLinkFailure;
};

// The sentence that tells why a port would not open (with the way to get
// access when permission was refused).
[[nodiscard]] QString openFailureText(const QString &path, SerialPort::OpenError error);

} // namespace vexlor::cli
