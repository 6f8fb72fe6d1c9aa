#pragma once

#include "register/record_register.h"
#include "register/register_filter.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace vexlor {

// Connect > History...: the register as a table, newest first, sortable by
// any column, filtered by bike, day and fingerprint. A row's document or
// backup is opened into the window, its settings sheet made (the window's
// own commands do both, through the signals), and the rows shown are
// exported as CSV. A build without a register, or one that cannot be read,
// says so where the table would be.
class HistoryDialog final : public QDialog {
    Q_OBJECT
public:
    // `records` must outlive the dialog; null: the build keeps none.
    HistoryDialog(Register *records, QWidget *parent = nullptr);

    // Reads the register again and shows what the filter lets through.
    void refresh();
    // The records the table shows, in the register's order (newest first).
    [[nodiscard]] const QList<RegisterRecord> &shown() const { return m_shown; }
    void setFilter(const RegisterFilter &filter);
    // Writes the records shown as CSV to `path`; empty when done, else why not.
    [[nodiscard]] QString exportCsv(const QString &path) const;
    // The record in the table's row `row` as sorted now; nullptr for none.
    [[nodiscard]] const RegisterRecord *recordAtRow(int row) const;
    [[nodiscard]] QTableView *table() const { return m_table; }

signals:
    // Open this .vxc file into the window, as File > Open would.
    void openFileRequested(const QString &path);
    // Open it and make its settings sheet.
    void sheetRequested(const QString &path);

private:
    void buildFilterRow();
    void buildTable();
    void buildButtons();
    void applyFilter();
    void fillTable();
    void updateButtons();
    void chooseCsvFile();
    [[nodiscard]] const RegisterRecord *selectedRecord() const;
    // The file a row's settings sheet is made of: its document, else its backup.
    [[nodiscard]] static QString sheetSource(const RegisterRecord &record);

    Register *m_records;
    QList<RegisterRecord> m_all;
    QList<RegisterRecord> m_shown;
    QLineEdit *m_bike = nullptr;
    QCheckBox *m_sinceOn = nullptr;
    QDateEdit *m_since = nullptr;
    QLineEdit *m_fingerprint = nullptr;
    QLabel *m_problem = nullptr; // no register, or one that cannot be read
    QLabel *m_source = nullptr;  // the shop's server, or this bench alone while it cannot be reached
    QStandardItemModel *m_model = nullptr;
    QSortFilterProxyModel *m_sorted = nullptr;
    QTableView *m_table = nullptr;
    QPushButton *m_openDocument = nullptr;
    QPushButton *m_openBackup = nullptr;
    QPushButton *m_sheet = nullptr;
    QPushButton *m_export = nullptr;
};

} // namespace vexlor
