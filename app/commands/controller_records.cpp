// The records the controller commands leave in the register: what each read,
// write and comparison found, after the window has shown it.

#include "controller_commands.h"
#include "operation_records.h"
#include "road_class_options.h"

#include "params/settings_fingerprint.h"

#include <memory>

namespace vexlor {
namespace {

// The controller's version and the fingerprint of what it held, as a read's
// replies carried them.
void takeHeld(RegisterRecord &record, const ParameterValues &held, QString RegisterRecord::*fingerprint)
{
    record.controllerVersion = controllerVersionText(held[0]);
    record.*fingerprint = settingsFingerprint(held);
}

void takeOutcome(RegisterRecord &record, const TransactionOutcome &outcome, const char *passed)
{
    record.outcome = QString::fromLatin1(outcome.passed ? passed : outcomes::kFailed);
    record.message = outcome.message.text;
}

} // namespace

void ControllerCommands::recordWith(OperationRecords &records)
{
    auto held = std::make_shared<ParameterValues>();
    connect(&m_read, &ControllerRead::valueReceived, this,
            [held](int index, quint16 value) { (*held)[index] = value; });
    connect(&m_read, &ControllerRead::finished, this, [&records, held](const TransactionOutcome &outcome) {
        RegisterRecord record = records.newRecord(operations::kRead);
        if (outcome.passed) {
            takeHeld(record, *held, &RegisterRecord::fingerprintBefore);
            record.fingerprintAfter = record.fingerprintBefore;
        }
        takeOutcome(record, outcome, outcomes::kDone);
        records.keep(record);
    });
    connect(&m_write, &GuardedWrite::finished, this, [this, &records](const GuardedWriteOutcome &outcome) {
        const QString restored = records.restoredBackup(m_writtenSnapshot);
        RegisterRecord record = records.newRecord(restored.isEmpty() ? operations::kWrite : operations::kRestore);
        if (!restored.isEmpty())
            record.documentPath = restored;
        if (outcome.heldAfter)
            takeHeld(record, *outcome.heldAfter, &RegisterRecord::fingerprintAfter);
        else if (outcome.outcome.passed)
            record.fingerprintAfter = settingsFingerprint(m_written);
        if (outcome.heldBefore)
            takeHeld(record, *outcome.heldBefore, &RegisterRecord::fingerprintBefore);
        setRoadCheck(record, m_written, m_roadClass.current(), m_numberFormat);
        record.backupPath = outcome.backupPath;
        takeOutcome(record, outcome.outcome, outcomes::kDone);
        records.keep(record);
    });
    connect(&m_comparison, &ControllerComparison::finished, this, [&records](const ComparisonOutcome &outcome) {
        RegisterRecord record = records.newRecord(operations::kCompare);
        if (outcome.outcome.passed) {
            takeHeld(record, outcome.controllerValues, &RegisterRecord::fingerprintBefore);
            record.fingerprintAfter = record.fingerprintBefore;
        }
        takeOutcome(record, outcome.outcome,
                    outcome.differences.isEmpty() ? outcomes::kDone : outcomes::kDifferent);
        records.keep(record);
    });
}

} // namespace vexlor
