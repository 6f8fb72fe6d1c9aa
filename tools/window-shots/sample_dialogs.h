#pragma once

#include "dialogs/difference_table.h"
#include "dialogs/safety_dialogs.h"

#include "doctor/check_result.h"
#include "params/number_text.h"

#include <QList>

namespace vexlor {

// A controller that differs from the window in five parameters, as a
// comparison lists them, with the fingerprints of both.
struct SampleComparison {
    QList<DifferenceRow> rows;
    FingerprintPair fingerprints;
};
[[nodiscard]] SampleComparison sampleComparison(NumberFormat format);

// Three backups of one afternoon, newest first: the write after the oldest
// was interrupted, so the next backup holds part of it.
[[nodiscard]] QList<BackupRow> sampleBackups();

// What the connection doctor finds for a rider on a laptop whose cable rule
// is not installed and where ModemManager runs: the fixes are long commands.
[[nodiscard]] QList<CheckResult> sampleFindings();

} // namespace vexlor
