#include "controller_session.h"

namespace vexlor {

ControllerSession::ControllerSession(std::unique_ptr<SerialPort> port, const PortLister &lister,
                                     BridgeLineProvider &bridges, QString portOverride,
                                     QObject *parent)
    : QObject(parent)
    , m_link(port.release())
    , m_finder(lister, std::move(portOverride))
    , m_access(&m_link)
    , m_startup(&m_link, &m_finder, &bridges)
    , m_monitor(&m_link, &m_finder)
    , m_shutdown(&m_link, &bridges)
    , m_replyWindow(&m_link, &m_replyTimer)
    , m_engine(&m_replyWindow)
    , m_check(&m_replyWindow)
{
    // Ticks leave the port alone while start-up still owns it.
    m_monitor.setStartup(&m_startup);
    m_monitorTimer.setObjectName(QStringLiteral("Timer1"));
    m_monitorTimer.setInterval(DeviceMonitor::kTickIntervalMs);
    connect(&m_monitorTimer, &QTimer::timeout, this, &ControllerSession::monitorTick);
    m_link.setLowLatencyRule(
        [&lister](const QString &path) { return portAsksLowLatency(lister, path); });
    connectSteps();
    connectExchanges();
}

ControllerSession::~ControllerSession() = default;

void ControllerSession::connectSteps()
{
    connect(&m_startup, &LinkStartup::finished, this, [this](DeviceState state) {
        emit deviceStateChanged(state);
        m_access.check();
        emit startUpFinished(state);
    });
    connect(&m_access, &AccessReport::accessRefused, this, &ControllerSession::accessRefused);
    connect(&m_monitor, &DeviceMonitor::deviceStateReported, this,
            &ControllerSession::deviceStateChanged);
    connect(&m_finder, &PortFinder::duplicateDeviceReport, this,
            &ControllerSession::duplicateDeviceReport);
    connect(&m_shutdown, &LinkShutdown::finished, this, [this] {
        m_released = true;
        emit released();
    });
}

void ControllerSession::connectExchanges()
{
    connect(&m_check, &ConnectionCheck::started, this, &ControllerSession::connectionCheckStarted);
    connect(&m_check, &ConnectionCheck::finished, this, &ControllerSession::connectionChecked);
    connect(&m_engine, &TransactionEngine::valueAccepted, this, &ControllerSession::valueRead);
    connect(&m_engine, &TransactionEngine::progress, this, &ControllerSession::progress);
    connect(&m_engine, &TransactionEngine::finished, this, &ControllerSession::transactionFinished);
}

void ControllerSession::startUp()
{
    if (!m_releasing)
        m_startup.start();
}

void ControllerSession::monitorTick()
{
    // Start-up owns the port until it is done (its refused tries are no
    // report yet).
    if (m_releasing || m_startup.isRunning())
        return;
    m_monitor.tick();
    m_access.check();
}

ExchangeStart ControllerSession::refusal() const
{
    if (m_releasing)
        return ExchangeStart::Released;
    if (isBusy())
        return ExchangeStart::Busy;
    return ExchangeStart::Started;
}

ExchangeStart ControllerSession::checkConnection()
{
    const ExchangeStart start = refusal();
    if (start == ExchangeStart::Started)
        (void)m_check.start();
    return start;
}

ExchangeStart ControllerSession::runTransaction(TransactionMode mode,
                                                const std::array<quint16, kProtocolItemCount> &values)
{
    const ExchangeStart start = refusal();
    if (start == ExchangeStart::Started)
        (void)m_engine.start(mode, values);
    return start;
}

void ControllerSession::release()
{
    if (m_releasing)
        return;
    m_releasing = true;
    m_monitorTimer.stop();
    // Neither may raise the line, open the port or send after the shutdown.
    m_startup.cancel();
    m_engine.abandon();
    m_check.abandon();
    m_shutdown.start();
}

} // namespace vexlor
