#include "restore_backup_dialog.h"

#include "difference_table.h"
#include "basics/safety_texts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vexlor {
namespace {

bool isNoted(const BackupRow &row)
{
    return !row.note.isEmpty();
}

} // namespace

RestoreBackupDialog::RestoreBackupDialog(const QList<BackupRow> &rows, QWidget *parent)
    : QDialog(parent), m_rows(rows)
{
    setObjectName(QStringLiteral("RestoreBackupDialog"));
    setWindowTitle(texts::text(texts::kRestoreTitle));
    auto *layout = new QVBoxLayout(this);
    auto *introduction = new QLabel(texts::text(texts::kRestoreIntroduction), this);
    introduction->setWordWrap(true);
    layout->addWidget(introduction);
    // The undo of an interrupted write is the newest backup without the note.
    if (std::any_of(rows.cbegin(), rows.cend(), isNoted)) {
        auto *hint = new QLabel(texts::text(texts::kRestoreAfterInterruptedWrite), this);
        hint->setObjectName(QStringLiteral("InterruptedWriteHint"));
        hint->setWordWrap(true);
        layout->addWidget(hint);
    }
    layout->addWidget(buildTable(introduction));

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
    selectFirstOffered();
    m_table->setFocus();
    resize(qMax(sizeHint().width(), 480), sizeHint().height());
}

QTableWidget *RestoreBackupDialog::buildTable(QLabel *introduction)
{
    m_table = new QTableWidget(int(m_rows.size()), 4, this);
    m_table->setObjectName(QStringLiteral("BackupTable"));
    m_table->setHorizontalHeaderLabels(
        {texts::text(texts::kBackupTimeColumn), texts::text(texts::kBackupDifferencesColumn),
         texts::text(texts::kBackupWriteColumn), texts::text(texts::kBackupNoteColumn)});
    for (int r = 0; r < int(m_rows.size()); ++r)
        fillRow(r);
    setUpListTable(m_table, 3, introduction);
    // Every column in sight, the note's too, as far as the screen allows.
    const int columns = m_table->horizontalHeader()->length() + 2 * m_table->frameWidth()
        + m_table->verticalScrollBar()->sizeHint().width();
    m_table->setMinimumWidth(qMin(columns, screen()->availableGeometry().width() * 9 / 10));
    return m_table;
}

void RestoreBackupDialog::fillRow(int r)
{
    const BackupRow &row = m_rows[r];
    const auto sameSecond = [&](const BackupRow &other) { return other.time == row.time; };
    const bool shared = std::count_if(m_rows.cbegin(), m_rows.cend(), sameSecond) > 1;
    auto *time = new QTableWidgetItem(timeText(row.time, row.sequence, shared));
    time->setToolTip(row.path); // which file it is, for support
    m_table->setItem(r, 0, time);
    const bool unreadable = !row.unreadable.isEmpty();
    auto *count = new QTableWidgetItem(unreadable ? texts::text(texts::kUnreadableBackup)
                                                  : countText(row.differingCount));
    count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_table->setItem(r, 1, count);
    m_table->setItem(r, 2, new QTableWidgetItem(row.followingWrite));
    m_table->setItem(r, 3, new QTableWidgetItem(row.note));
    if (!unreadable)
        return;
    // Listed so the user sees it is there, never offered for loading.
    for (int c = 0; c < m_table->columnCount(); ++c) {
        QTableWidgetItem *cell = m_table->item(r, c);
        cell->setFlags(Qt::NoItemFlags);
        cell->setToolTip(row.unreadable);
    }
}

void RestoreBackupDialog::selectFirstOffered()
{
    const auto readable = [](const BackupRow &row) { return row.unreadable.isEmpty(); };
    const auto offered = [&](const BackupRow &row) { return readable(row) && !isNoted(row); };
    auto first = std::find_if(m_rows.cbegin(), m_rows.cend(), offered);
    if (first == m_rows.cend())
        first = std::find_if(m_rows.cbegin(), m_rows.cend(), readable);
    if (first != m_rows.cend())
        m_table->selectRow(int(first - m_rows.cbegin()));
}

void RestoreBackupDialog::chooseSelected()
{
    const int row = m_table->currentRow();
    if (row < 0 || row >= int(m_rows.size()) || m_table->selectedItems().isEmpty()
        || !m_rows[row].unreadable.isEmpty())
        return;
    m_chosen = m_rows[row].path;
    accept();
}

QString RestoreBackupDialog::timeText(const QDateTime &time, int sequence, bool shared)
{
    // To the second: two backups may be minutes apart, or less than a
    // second, and then their order tells them apart.
    const QLocale locale;
    const QString text = locale.toString(time.date(), QLocale::ShortFormat) + u' '
        + time.time().toString(QStringLiteral("HH:mm:ss"));
    return shared ? texts::text(texts::kBackupTimeInItsSecond).arg(text).arg(sequence) : text;
}

QString RestoreBackupDialog::countText(int differingCount)
{
    return differingCount < 0 ? QString() : QLocale().toString(differingCount);
}

} // namespace vexlor
