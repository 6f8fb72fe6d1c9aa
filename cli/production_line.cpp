#include "production_line.h"

#include "cli_texts.h"
#include "controller_run.h"
#include "write_steps.h"

#include "params/message_input.h"
#include "session/controller_session.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <utility>

namespace vexlor::cli {
namespace {

// A text as one field of a bike's line: a message of several lines (the
// values a read-back found otherwise) on one, a tab in a label a space.
QString oneField(const QString &text)
{
    return text.split(QRegularExpression(QStringLiteral("[\t\r\n]+")), Qt::SkipEmptyParts).join(u' ');
}

} // namespace

ProductionLine::ProductionLine(CliContext &context, const LineJob &job, BackupStore &backups,
                               BikeLabels &labels, StopRequest &stop)
    : m_context(context)
    , m_job(job)
    , m_backups(backups)
    , m_labels(labels)
    , m_presence(context.session())
{
    ControllerSession &session = context.session();
    connect(&session, &ControllerSession::startUpFinished, this, [this] {
        if (m_stage == Stage::Starting)
            awaitBike();
    });
    connect(&session, &ControllerSession::duplicateDeviceReport, this, [this](const UserMessage &message) {
        m_context.err() << message.text << Qt::endl;
        m_context.session().duplicateReportClosed();
    });
    // Each start-up that finds the port refused says so; the line, which
    // starts up again while it waits, says it once.
    connect(&session, &ControllerSession::accessRefused, this, [this](const UserMessage &message) {
        if (message.text != std::exchange(m_accessMessage, message.text))
            m_context.err() << message.text << Qt::endl;
    });
    connect(&session, &ControllerSession::released, this, [this] {
        QCoreApplication::exit(m_failed > 0 ? kExitLinkFailure : kExitDone);
    });
    connect(&m_presence, &ControllerPresence::answered, this, &ProductionLine::writeBike);
    connect(&m_presence, &ControllerPresence::silent, this, &ProductionLine::awaitBike);
    connect(&stop, &StopRequest::requested, this, &ProductionLine::onStopRequested);
}

int ProductionLine::run()
{
    m_context.session().startUp();
    return QCoreApplication::exec();
}

void ProductionLine::awaitBike()
{
    m_stage = Stage::AwaitingBike;
    m_label = m_labels.next();
    //: %1 the bike's label; Ctrl+C as keyboards in the language name the keys
    m_context.err() << CliText::tr("Bike %1: connect its controller (Ctrl+C ends the line).")
                           .arg(inputForMessage(m_label))
                    << Qt::endl;
    m_presence.awaitAnswer();
}

void ProductionLine::writeBike()
{
    m_stage = Stage::Writing;
    m_record = m_context.newRecord(operations::kWrite);
    m_record.bike = m_label;
    m_record.documentPath = m_job.documentPath;
    m_write = std::make_unique<GuardedWrite>(m_context.session(), m_backups, m_context.numberFormat());
    connect(m_write.get(), &GuardedWrite::backupSaved, this, [this](const QString &path) {
        m_context.err() << CliText::tr(texts::kBackupKept).arg(path) << Qt::endl;
    });
    connect(m_write.get(), &GuardedWrite::finished, this, &ProductionLine::onWritten);
    if (m_write->start(m_job.file.snapshot, m_job.file.values, m_job.safety) != ExchangeStart::Started)
        onWritten({}); // the session refused: a failed bike, told as such
}

void ProductionLine::onWritten(const GuardedWriteOutcome &outcome)
{
    if (!outcome.outcome.passed)
        reportFailure(m_context, outcome.outcome);
    const RegisterRecord record = completedWrite(m_record, m_job.file, outcome);
    if (record.outcome == QLatin1String(outcomes::kDone))
        ++m_written;
    else
        ++m_failed;
    printBike(record);
    if (m_stopAsked || !m_labels.hasNext()) {
        m_context.keep(record);
        if (!m_stopAsked)
            m_context.err() << CliText::tr("Every label of the list has its bike: the line ends.") << Qt::endl;
        end();
        return;
    }
    m_stage = Stage::AwaitingDeparture;
    //: %1 the bike's label
    m_context.err() << CliText::tr("Bike %1: disconnect its controller.").arg(inputForMessage(m_label))
                    << Qt::endl;
    // The first ask goes out before the record is kept, so the register's
    // disk time passes while the ask waits for its reply.
    m_presence.awaitSilence();
    m_context.keep(record);
}

void ProductionLine::printBike(const RegisterRecord &record)
{
    const QString fingerprint =
        record.fingerprintAfter.isEmpty() ? record.fingerprintBefore : record.fingerprintAfter;
    m_context.out() << record.time.toString(Qt::ISODate) << '\t' << oneField(record.bike) << '\t' << fingerprint
                    << '\t' << record.outcome << '\t' << oneField(record.message) << Qt::endl;
}

void ProductionLine::onStopRequested()
{
    if (m_stage == Stage::Ending || m_stopAsked)
        return;
    if (m_stage == Stage::Writing) {
        // Cut short, the write would leave the controller half written.
        m_stopAsked = true;
        m_context.err() << CliText::tr("The line ends once this bike's write is over.") << Qt::endl;
        return;
    }
    end();
}

void ProductionLine::end()
{
    m_stage = Stage::Ending;
    m_presence.stop();
    //: the production line's summary; %1 bikes written, %2 bikes that failed
    m_context.out() << CliText::tr("Written: %1, failed: %2").arg(m_written).arg(m_failed) << Qt::endl;
    m_context.session().release();
}

int runLine(CliContext &context, const SafetyOptions &options, const EncodedState &file)
{
    std::optional<BikeLabels> labels = BikeLabels::numbered(context.bike());
    if (!options.bikeFrom.isEmpty()) {
        QString error;
        labels = BikeLabels::fromCsvFile(options.bikeFrom, &error);
        if (!labels)
            return context.fail(kExitBadInput, error);
    }
    const std::unique_ptr<StopRequest> stop = watchStopRequests();
    BackupStore backups(options.backupFolder);
    const LineJob job{file, QFileInfo(options.files.first()).absoluteFilePath(), options.safety};
    ProductionLine line(context, job, backups, *labels, *stop);
    return line.run();
}

} // namespace vexlor::cli
