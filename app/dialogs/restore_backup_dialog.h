#pragma once

#include "safety_dialogs.h"

#include <QDialog>

class QLabel;
class QTableWidget;

namespace vexlor {

// Restore Backup: the automatic backups as given (newest first), each with
// the time it was taken, how the write that followed it ended, its note and
// how many parameters differ from the window. Load (or a double click)
// chooses one; the newest without a note is selected at first (the newest
// of all when every one has a note). A backup that cannot be loaded is
// listed as unreadable and never offered.
class RestoreBackupDialog : public QDialog {
    Q_OBJECT
public:
    explicit RestoreBackupDialog(const QList<BackupRow> &rows, QWidget *parent = nullptr);

    // The chosen backup's path once accepted; empty otherwise.
    [[nodiscard]] QString chosenPath() const { return m_chosen; }

    // How the list shows a backup's time (with its place among the backups
    // of its second where `shared`: "… 09:30:01 (no. 2)") and its count of differences.
    [[nodiscard]] static QString timeText(const QDateTime &time, int sequence = 1, bool shared = false);
    [[nodiscard]] static QString countText(int differingCount);

private:
    [[nodiscard]] QTableWidget *buildTable(QLabel *introduction);
    void fillRow(int row);
    void selectFirstOffered();
    void chooseSelected();

    QList<BackupRow> m_rows;
    QTableWidget *m_table = nullptr;
    QString m_chosen;
};

} // namespace vexlor
