#include "difference_table.h"

#include "basics/safety_texts.h"

#include "params/parameter_codec.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

namespace vexlor {

QList<DifferenceRow> differenceRows(const QList<ParameterDifference> &differences)
{
    return differenceRows(differences, {}, SpeedUnits::Metric);
}

QList<DifferenceRow> differenceRows(const QList<ParameterDifference> &differences, NumberFormat format,
                                    SpeedUnits units)
{
    QList<DifferenceRow> rows;
    for (const ParameterDifference &d : differences) {
        if (units == SpeedUnits::Imperial && measuresSpeed(*d.descriptor)) {
            // Each mph text names one value the controller holds: no brackets needed.
            rows.append({fieldLabel(*d.descriptor), speedUnitText(units),
                         speedNumberText(d.expectedValue, format, units),
                         speedNumberText(d.actualValue, format, units)});
        } else {
            rows.append({fieldLabel(*d.descriptor), shownUnit(*d.descriptor), d.expectedText, d.actualText});
        }
    }
    return rows;
}

void setUpListTable(QTableWidget *table, int widened, QLabel *caption)
{
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->setWordWrap(false);
    table->resizeColumnsToContents();
    table->horizontalHeader()->setSectionResizeMode(widened, QHeaderView::Stretch);
    // Every row in sight up to a dozen; more scroll.
    const int rows = qBound(3, table->rowCount(), 12);
    table->setMinimumHeight(table->horizontalHeader()->sizeHint().height()
                            + rows * table->verticalHeader()->defaultSectionSize()
                            + 2 * table->frameWidth());
    caption->setBuddy(table);
    table->setAccessibleName(caption->text());
}

QTableWidget *buildDifferenceTable(const QList<DifferenceRow> &rows, const QString &expectedHeading,
                                   const QString &actualHeading, QLabel *caption, QWidget *parent)
{
    auto *table = new QTableWidget(int(rows.size()), 4, parent);
    table->setHorizontalHeaderLabels({texts::text(texts::kParameterColumn),
                                      texts::text(texts::kUnitColumn), expectedHeading,
                                      actualHeading});
    for (int r = 0; r < int(rows.size()); ++r) {
        const DifferenceRow &row = rows[r];
        const QStringList cells = {row.parameter, row.unit, row.expected, row.actual};
        for (int c = 0; c < int(cells.size()); ++c)
            table->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    setUpListTable(table, 0, caption); // long captions, short values
    return table;
}

} // namespace vexlor
