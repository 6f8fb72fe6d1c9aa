#pragma once

#include "bike_labels.h"
#include "cli_context.h"
#include "controller_presence.h"
#include "stop_request.h"

#include "backups/backup_store.h"
#include "link/device_state.h"
#include "register/register_record.h"
#include "session/guarded_write.h"

#include <QObject>

#include <memory>

namespace vexlor::cli {

// What the line writes to every bike.
struct LineJob {
    EncodedState file;
    QString documentPath;
    WriteSafety safety;
};

// The production line: one configuration written to one bike after
// another. For each it waits until a controller answers, makes the guarded
// write (backup, write, store, verify), records it under the bike's label
// and prints one line (time, label, fingerprint, outcome, message,
// tab-separated), then waits until that controller stops answering before
// it waits for the next: no bike is written twice without having gone away
// in between. A failed bike never stops the line. A stop request ends it
// at once while it waits, or after the write under way; the labels of a
// list running out end it after the last one's write. It ends with the
// summary, and exits 0 only when no bike failed.
class ProductionLine : public QObject {
    Q_OBJECT
public:
    // All must outlive the line; the session must not be started yet.
    ProductionLine(CliContext &context, const LineJob &job, BackupStore &backups, BikeLabels &labels,
                   StopRequest &stop);

    // Runs the event loop until the line has ended; returns the exit code.
    [[nodiscard]] int run();

private:
    enum class Stage { Starting, AwaitingBike, Writing, AwaitingDeparture, Ending };

    void awaitBike();
    void writeBike();
    void onWritten(const GuardedWriteOutcome &outcome);
    void printBike(const RegisterRecord &record);
    void onStopRequested();
    void end();

    CliContext &m_context;
    const LineJob &m_job;
    BackupStore &m_backups;
    BikeLabels &m_labels;
    ControllerPresence m_presence;
    std::unique_ptr<GuardedWrite> m_write;
    Stage m_stage = Stage::Starting;
    QString m_label;
    QString m_accessMessage; // the last one told
    RegisterRecord m_record;
    bool m_stopAsked = false;
    int m_written = 0;
    int m_failed = 0;
};

} // namespace vexlor::cli
