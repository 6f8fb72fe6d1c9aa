#include "backup_record_texts.h"

#include "write_safety_texts.h"

#include "params/parameter_table.h"

namespace vexlor {

QString followingWriteText(const WriteRecord &record)
{
    switch (record.end) {
    case WriteEnd::Verified:
        return writeSafetyText(texts::kWriteVerified);
    case WriteEnd::Completed:
        return writeSafetyText(texts::kWriteCompleted);
    case WriteEnd::Differences:
        return writeSafetyText(texts::kWriteDifferences);
    case WriteEnd::CheckFailed:
        return writeSafetyText(texts::kWriteCheckFailed);
    case WriteEnd::Interrupted:
        return writeSafetyText(texts::kWriteInterrupted).arg(record.frame).arg(kProtocolItemCount);
    case WriteEnd::StoreFailed:
        return writeSafetyText(texts::kWriteStoreFailed);
    case WriteEnd::Unfinished:
        return writeSafetyText(texts::kWriteUnfinished);
    case WriteEnd::NotRecorded:
        break;
    }
    return writeSafetyText(texts::kWriteNotRecorded);
}

QString backupNoteText(const WriteRecord &record)
{
    return record.afterInterruptedWrite ? writeSafetyText(texts::kTakenAfterInterruptedWrite) : QString();
}

} // namespace vexlor
