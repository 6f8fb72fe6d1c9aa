#include "restore_backup_dialog.h"

#include "difference_table.h"
#include "safety_texts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vexlor {

RestoreBackupDialog::RestoreBackupDialog(const QList<BackupRow> &rows, QWidget *parent)
    : QDialog(parent), m_rows(rows)
{
    setObjectName(QStringLiteral("RestoreBackupDialog"));
    setWindowTitle(texts::text(texts::kRestoreTitle));
    auto *layout = new QVBoxLayout(this);
    auto *introduction = new QLabel(texts::text(texts::kRestoreIntroduction), this);
    introduction->setWordWrap(true);
    layout->addWidget(introduction);

    m_table = new QTableWidget(int(rows.size()), 2, this);
    m_table->setObjectName(QStringLiteral("BackupTable"));
    m_table->setHorizontalHeaderLabels({texts::text(texts::kBackupTimeColumn),
                                        texts::text(texts::kBackupDifferencesColumn)});
    for (int r = 0; r < int(rows.size()); ++r) {
        auto *time = new QTableWidgetItem(timeText(rows[r].time));
        time->setToolTip(rows[r].path); // which file it is, for support
        m_table->setItem(r, 0, time);
        auto *count = new QTableWidgetItem(countText(rows[r].differingCount));
        count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(r, 1, count);
    }
    setUpListTable(m_table, 1, introduction);
    layout->addWidget(m_table);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    auto *load = buttons->addButton(texts::text(texts::kLoadBackupButton),
                                    QDialogButtonBox::AcceptRole);
    load->setObjectName(QStringLiteral("LoadBackupButton"));
    load->setDefault(true);
    connect(m_table, &QTableWidget::itemSelectionChanged, load,
            [this, load] { load->setEnabled(!m_table->selectedItems().isEmpty()); });
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &RestoreBackupDialog::chooseSelected);
    connect(buttons, &QDialogButtonBox::accepted, this, &RestoreBackupDialog::chooseSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    load->setEnabled(false);
    if (!rows.isEmpty())
        m_table->selectRow(0);
    m_table->setFocus();
    resize(qMax(sizeHint().width(), 480), sizeHint().height());
}

void RestoreBackupDialog::chooseSelected()
{
    const int row = m_table->currentRow();
    if (row < 0 || row >= int(m_rows.size()) || m_table->selectedItems().isEmpty())
        return;
    m_chosen = m_rows[row].path;
    accept();
}

QString RestoreBackupDialog::timeText(const QDateTime &time)
{
    // To the second: two backups may be minutes apart.
    const QLocale locale;
    return locale.toString(time.date(), QLocale::ShortFormat) + u' '
        + time.time().toString(QStringLiteral("HH:mm:ss"));
}

QString RestoreBackupDialog::countText(int differingCount)
{
    return differingCount < 0 ? QString() : QLocale().toString(differingCount);
}

} // namespace vexlor
