#include "controller_run.h"

#include "cli_texts.h"

#include "cables/link_texts.h"
#include "files/data_files.h"
#include "params/message_input.h"
#include "protocol/transaction_texts.h"
#include "session/controller_session.h"

#include <QCoreApplication>

namespace vexlor::cli {

QString openFailureText(const QString &devicePath, SerialPort::OpenError error)
{
    const QString path = inputForMessage(devicePath); // from --port or VEXLOR_PORT
    switch (error) {
    case SerialPort::OpenError::PermissionDenied:
        //: %1 the serial device's path; %2 the lines that say how to get access
        return CliText::tr("Cannot open %1: permission denied.\n%2")
            .arg(path, linkText(vexlor::texts::kCableAccessFix));
    case SerialPort::OpenError::InUse:
        //: %1 the serial device's path
        return CliText::tr("Cannot open %1: another program is using it.").arg(path);
    case SerialPort::OpenError::NotFound:
        //: %1 the serial device's path
        return CliText::tr("Cannot open %1: no such device.").arg(path);
    default:
        //: %1 the serial device's path
        return CliText::tr("Cannot open %1.").arg(path);
    }
}

void reportFailure(CliContext &context, const TransactionOutcome &outcome)
{
    if (outcome.message.text.isEmpty())
        return;
    context.err() << outcome.message.text << Qt::endl;
    if (outcome.openInstallationGuide) {
        //: %1 the path of the programming guide, ST-LINK_Installation_EN.pdf
        context.err() << CliText::tr("See %1")
                             .arg(locateDataFile(QString::fromLatin1(vexlor::texts::kInstallationGuideFile)))
                      << Qt::endl;
    }
}

ControllerRun::ControllerRun(CliContext &context, QString unreachedMessage)
    : m_context(context)
    , m_unreachedMessage(std::move(unreachedMessage))
{
    ControllerSession &session = context.session();
    connect(&session, &ControllerSession::duplicateDeviceReport, this,
            [this](const UserMessage &message) {
                m_context.err() << message.text << Qt::endl;
                m_context.session().duplicateReportClosed();
            });
    connect(&session, &ControllerSession::startUpFinished, this, &ControllerRun::onStarted);
    connect(&session, &ControllerSession::released, this,
            [this] { QCoreApplication::exit(m_exitCode); });
}

int ControllerRun::run(std::function<void()> exchange)
{
    m_exchange = std::move(exchange);
    m_context.session().startUp();
    return QCoreApplication::exec();
}

void ControllerRun::finish(int exitCode)
{
    m_exitCode = exitCode;
    m_context.session().release();
}

void ControllerRun::onStarted(DeviceState state)
{
    if (state == DeviceState::Connected) {
        m_exchange();
        return;
    }
    reportUnreached();
    finish(kExitLinkFailure);
}

void ControllerRun::reportUnreached()
{
    const ControllerSession &session = m_context.session();
    const QString path = session.portPath();
    if (path.isEmpty()) {
        if (session.portOverride().isEmpty()) {
            //: keep --port and VEXLOR_PORT as they are
            m_context.err() << CliText::tr("No programming cable found (no serial port of its USB "
                                           "bridge). Name the device with --port or VEXLOR_PORT.")
                            << Qt::endl;
        } else {
            //: %1 the device path given with --port or VEXLOR_PORT
            m_context.err() << CliText::tr("No serial device at %1.").arg(inputForMessage(session.portOverride()))
                            << Qt::endl;
        }
    } else {
        m_context.err() << openFailureText(path, session.openError()) << Qt::endl;
    }
    m_context.err() << m_unreachedMessage << Qt::endl;
}

RegisterRecord failedRecord(RegisterRecord record, const TransactionOutcome &outcome)
{
    record.outcome = QString::fromLatin1(outcomes::kFailed);
    record.message = outcome.message.text.isEmpty() ? transactionText(vexlor::texts::kCommunicationFailed)
                                                    : outcome.message.text;
    return record;
}

void keepFailure(CliContext &context, const RegisterRecord &record, const TransactionOutcome &outcome)
{
    context.keep(failedRecord(record, outcome));
}

} // namespace vexlor::cli
