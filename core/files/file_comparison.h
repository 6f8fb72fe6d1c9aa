#pragma once

#include "params/number_text.h"
#include "params/parameter_comparison.h"
#include "params/parameter_snapshot.h"

#include <QList>
#include <QString>

namespace vexlor {

// What loading a .vxc file into the window would change, for the list of
// backups ("3 differ").
struct FileComparison {
    QString error; // the reader's or the encoder's message; then no count is known
    QList<ParameterDifference> differences;
    bool fileUnreadable = false; // the error is the reader's: the file cannot be loaded at all

    [[nodiscard]] bool ok() const { return error.isEmpty(); }
};

// Reads the file at `path` over `window` as Open would (an old file's Hall
// sensor question answered No) and compares both on the sixteen-bit values a
// write would send, as a comparison with the controller does: expected is the
// window's value, actual the file's.
[[nodiscard]] FileComparison compareWithFile(const ParameterSnapshot &window, const QString &path,
                                             NumberFormat format);

} // namespace vexlor
