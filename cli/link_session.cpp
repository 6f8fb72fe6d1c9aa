#include "link_session.h"

#include "link/link_texts.h"
#include "link/qt_serial_port.h"
#include "params/message_input.h"

#include <QCoreApplication>

namespace vexlor::cli {

QString openFailureText(const QString &devicePath, SerialPort::OpenError error)
{
    const QString path = inputForMessage(devicePath); // from --port or VEXLOR_PORT
    switch (error) {
    case SerialPort::OpenError::PermissionDenied:
        return QStringLiteral("Cannot open %1: permission denied.\n%2")
            .arg(path, QString::fromLatin1(texts::kSerialPermissionHint));
    case SerialPort::OpenError::InUse:
        return QStringLiteral("Cannot open %1: another program is using it.").arg(path);
    case SerialPort::OpenError::NotFound:
        return QStringLiteral("Cannot open %1: no such device.").arg(path);
    default:
        return QStringLiteral("Cannot open %1.").arg(path);
    }
}

LinkSession::LinkSession(CliContext &context, QString unreachedMessage)
    : m_context(context)
    , m_unreachedMessage(std::move(unreachedMessage))
    , m_finder(&m_lister)
    , m_link(new QtSerialPort)
    , m_startup(&m_link, &m_finder, &m_bridge)
    , m_shutdown(&m_link, &m_bridge)
{
    // --port wins over VEXLOR_PORT, which wins over the scan.
    if (!context.port().isEmpty())
        m_finder.setOverridePath(context.port());
    connect(&m_finder, &PortFinder::duplicateDeviceReport, this, [this](const UserMessage &message) {
        m_context.err() << message.text << Qt::endl;
        m_finder.reportClosed();
    });
    connect(&m_startup, &LinkStartup::finished, this, &LinkSession::onStarted);
    connect(&m_shutdown, &LinkShutdown::finished, this,
            [this] { QCoreApplication::exit(m_exitCode); });
}

int LinkSession::run(std::function<void()> exchange)
{
    m_exchange = std::move(exchange);
    m_startup.start();
    return QCoreApplication::exec();
}

void LinkSession::finish(int exitCode)
{
    m_exitCode = exitCode;
    m_shutdown.start();
}

void LinkSession::onStarted(DeviceState state)
{
    if (state == DeviceState::Connected) {
        m_exchange();
        return;
    }
    reportUnreached();
    finish(kExitLinkFailure);
}

void LinkSession::reportUnreached()
{
    const QString path = m_link.portPath();
    if (path.isEmpty()) {
        if (m_finder.overridePath().isEmpty())
            m_context.err() << "No programming cable found (no serial port of its USB bridge). "
                               "Name the device with --port or VEXLOR_PORT."
                            << Qt::endl;
        else
            m_context.err() << "No serial device at " << m_finder.overridePath() << '.' << Qt::endl;
    } else {
        m_context.err() << openFailureText(path, m_link.openError()) << Qt::endl;
    }
    m_context.err() << m_unreachedMessage << Qt::endl;
}

} // namespace vexlor::cli
