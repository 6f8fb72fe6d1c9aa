#pragma once

#include "session_command.h"

#include "backups/backup_store.h"
#include "params/parameter_comparison.h"
#include "settings/write_safety_settings.h"

#include <QList>

#include <optional>

namespace vexlor {

// How a guarded write ended.
struct GuardedWriteOutcome {
    // As the plain write reports it; or the failed backup read's, saying that
    // nothing was written and no backup kept; or the backup file's; or, after
    // the store, a verify that failed or found differences (passed false,
    // stored true). acceptedFrames counts over all phases, as progress() does.
    TransactionOutcome outcome;
    QString backupPath;  // the backup taken, empty when none
    QString backupError; // the backup file could not be written: nothing was written
    WriteRecord record;  // as recorded beside the backup taken
    bool verified = false; // the read-back ran and found every value as written
    QList<ParameterDifference> differences; // what the read-back found otherwise, window order
    // What the controller held as its replies carried it (item 0: its
    // software version): before, from the backup read; after, from the
    // read-back. Empty where that phase did not run or failed.
    std::optional<ParameterValues> heldBefore;
    std::optional<ParameterValues> heldAfter;
};

// A write in up to three phases over the session: read the controller's
// settings and keep them as a backup, write the sixty values and store them,
// read them back and compare. A failed backup read, or a backup file that
// cannot be written, stops it before a write frame is sent. The backup's
// record tells how the write ended, also when the session is released
// meanwhile. With both options off it is exactly the plain write. Its reads
// are its own: nothing of them reaches the window.
class GuardedWrite : public SessionCommand {
    Q_OBJECT
public:
    // All must outlive the guarded write. `format` decodes the backup read's
    // values as a read into the window would.
    GuardedWrite(ControllerSession &session, BackupStore &backups, NumberFormat format,
                 QObject *parent = nullptr);

    // `window` is the snapshot being written and `values` its encoding. The
    // backup is `window` with every value the controller returned decoded
    // into it, so that the file is what Save would write after a read.
    // Nothing is sent unless it returns Started.
    [[nodiscard]] ExchangeStart start(const ParameterSnapshot &window, const ParameterValues &values,
                                      WriteSafety safety);
    // Frames over all phases of a write with these options, 60, 120 or 180:
    // the progress bar's maximum.
    [[nodiscard]] static int totalFrames(WriteSafety safety)
    {
        return (1 + int(safety.backUpBeforeWrite) + int(safety.verifyAfterWrite))
            * kProtocolItemCount;
    }

signals:
    void backupSaved(const QString &path);
    // Not emitted when the session is released meanwhile.
    void finished(const vexlor::GuardedWriteOutcome &outcome);

private:
    enum class Phase { Backup, Write, Verify };

    [[nodiscard]] ExchangeStart startPhase(qsizetype position);
    [[nodiscard]] int framesBefore() const { return int(m_current) * kProtocolItemCount; }
    void onValueRead(int index, quint16 value) override { m_read[index] = value; }
    void onProgress(int acceptedFrames) override;
    void onTransactionFinished(const TransactionOutcome &outcome) override;
    void onAbandoned() override;
    void afterBackupRead(const TransactionOutcome &outcome);
    void afterWrite(const TransactionOutcome &outcome);
    void afterVerify(const TransactionOutcome &outcome);
    void next(const TransactionOutcome &outcome);
    void finish(TransactionOutcome outcome);
    // Sets how the write ended, for the backup's record.
    void endWrite(WriteEnd end, int frame = 0);
    // The write phase stopped after `writtenFrames` accepted frames.
    void endWriteAfter(int writtenFrames);
    void recordWriteEnd();

    BackupStore &m_backups;
    NumberFormat m_format;
    QList<Phase> m_phases;
    qsizetype m_current = 0;
    ParameterSnapshot m_window;
    ParameterValues m_values{};
    ParameterValues m_read{};
    int m_phaseFrames = 0; // frames the running phase has accepted
    GuardedWriteOutcome m_outcome;
};

} // namespace vexlor
