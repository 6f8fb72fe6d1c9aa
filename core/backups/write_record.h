#pragma once

#include <QString>

namespace vexlor {

// How the write that followed a backup ended.
enum class WriteEnd {
    NotRecorded, // no record beside the backup (taken by an older version), or an unreadable one
    Unfinished,  // recorded when the backup is kept: a write that never ends stays so
    Interrupted, // a frame went unanswered: the frames before it were written
    StoreFailed, // every frame was written, the store was not acknowledged
    Completed,   // written and stored, not read back
    CheckFailed, // written and stored; reading it back failed
    Differences, // written and stored; the read-back found other values
    Verified,    // written, stored and read back as written
};

// The record kept beside each backup: how the write that followed it ended,
// and whether the controller could already have been left mid-write when
// the backup was read, so that its values may be half of another write's.
struct WriteRecord {
    WriteEnd end = WriteEnd::NotRecorded;
    int frame = 0; // Interrupted: the protocol index that went unanswered (= frames written)
    bool afterInterruptedWrite = false;

    // Whether the write may have left the controller holding part of its
    // values: it never reached the store. An interruption at frame 0 changed
    // no setting (that frame is the fixed version item).
    [[nodiscard]] bool leftMidWrite() const
    {
        return end == WriteEnd::Unfinished || end == WriteEnd::StoreFailed
            || (end == WriteEnd::Interrupted && frame > 0);
    }

    friend bool operator==(const WriteRecord &, const WriteRecord &) = default;
};

// The record's file beside a backup: "2026-12-07_14-03-22.vxc" has
// "2026-12-07_14-03-22.write".
[[nodiscard]] QString writeRecordPath(const QString &backupPath);

// The record beside `backupPath`; NotRecorded when there is none or it cannot
// be read.
[[nodiscard]] WriteRecord readWriteRecord(const QString &backupPath);

// Replaces the record beside `backupPath` whole (writeWholeFile); false when
// it could not be written.
[[nodiscard]] bool writeWriteRecord(const QString &backupPath, const WriteRecord &record);

} // namespace vexlor
