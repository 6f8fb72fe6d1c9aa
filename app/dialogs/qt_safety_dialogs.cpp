#include "qt_safety_dialogs.h"

#include "comparison_dialog.h"
#include "restore_backup_dialog.h"
#include "verify_failure_dialog.h"

namespace vexlor {

ComparisonChoice QtSafetyDialogs::showComparison(const QList<DifferenceRow> &rows)
{
    ComparisonDialog dialog(rows, m_parent);
    dialog.exec();
    return dialog.choice();
}

QString QtSafetyDialogs::chooseBackup(const QList<BackupRow> &rows)
{
    RestoreBackupDialog dialog(rows, m_parent);
    dialog.exec();
    return dialog.chosenPath();
}

void QtSafetyDialogs::showVerifyFailure(const QList<DifferenceRow> &rows)
{
    VerifyFailureDialog dialog(rows, m_parent);
    dialog.exec();
}

} // namespace vexlor
