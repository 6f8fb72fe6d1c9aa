#pragma once

#include "safety_dialogs.h"

#include "params/parameter_comparison.h"

class QLabel;
class QTableWidget;
class QWidget;

namespace vexlor {

// The differences as the dialogs list them: the field's label and unit, the
// two values as the window shows them.
[[nodiscard]] QList<DifferenceRow> differenceRows(const QList<ParameterDifference> &differences);
// The same with speeds in `units` (mph in imperial).
[[nodiscard]] QList<DifferenceRow> differenceRows(const QList<ParameterDifference> &differences,
                                                  NumberFormat format, SpeedUnits units);

// A read-only table of differing parameters, one row each in the given order:
// parameter, unit, then the two values under the given headings. `caption`
// labels it for the keyboard and for screen readers.
[[nodiscard]] QTableWidget *buildDifferenceTable(const QList<DifferenceRow> &rows,
                                                 const QString &expectedHeading,
                                                 const QString &actualHeading, QLabel *caption,
                                                 QWidget *parent);

// Makes `table` read-only and row-selecting, its columns as wide as their
// contents but `widened`, which takes the room left; labels it with `caption`.
void setUpListTable(QTableWidget *table, int widened, QLabel *caption);

} // namespace vexlor
