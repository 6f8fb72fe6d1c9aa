#pragma once

#include "backups/write_record.h"

#include <QString>

namespace vexlor {

// How the write that followed a backup ended, in the user's language:
// "Interrupted at frame 30 of 60".
[[nodiscard]] QString followingWriteText(const WriteRecord &record);

// The warning beside a backup taken while the controller may have been left
// mid-write by an earlier interrupted write; empty for every other backup.
[[nodiscard]] QString backupNoteText(const WriteRecord &record);

} // namespace vexlor
