#include "operation_records.h"

#include "basics/status_strip.h"

#include "translation.h"
#include "register/register_texts.h"

#include <QCoreApplication>

namespace vexlor {

OperationRecords::OperationRecords(Register *records, QLabel *statusMessage, Link link)
    : m_records(records)
    , m_statusMessage(statusMessage)
    , m_link(std::move(link))
{
}

RegisterRecord OperationRecords::newRecord(const char *operation) const
{
    RegisterRecord record = newRegisterRecord(operation, QCoreApplication::applicationVersion());
    record.bike = m_bike;
    record.port = m_link.port ? m_link.port() : QString();
    if (m_link.cableSerial && !record.port.isEmpty())
        record.cableSerial = m_link.cableSerial(record.port);
    if (m_link.documentPath)
        record.documentPath = m_link.documentPath();
    return record;
}

void OperationRecords::keep(const RegisterRecord &record)
{
    // A build without a register says so in History, not after every operation.
    if (!m_records || !m_records->unavailableReason().isEmpty())
        return;
    const QString error = m_records->add(record);
    if (!error.isEmpty())
        showStatusMessage(m_statusMessage, translated("Register", texts::kNotRecorded).arg(error));
    else if (const QString note = m_records->waitingNote(); !note.isEmpty())
        showStatusMessage(m_statusMessage, note);
}

void OperationRecords::noteRestoredBackup(const ParameterSnapshot &values, const QString &path)
{
    m_restored = values;
    m_restoredPath = path;
}

QString OperationRecords::restoredBackup(const ParameterSnapshot &values) const
{
    return !m_restoredPath.isEmpty() && values == m_restored ? m_restoredPath : QString();
}

} // namespace vexlor
