#include "qt_safety_dialogs.h"

#include "comparison_dialog.h"
#include "restore_backup_dialog.h"
#include "safety_texts.h"
#include "verify_failure_dialog.h"

#include "params/limit_texts.h"

#include <QMessageBox>
#include <QPushButton>

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

bool QtSafetyDialogs::confirmWriteBeyondLimits(const QString &values)
{
    QMessageBox box(QMessageBox::Warning, texts::text(texts::kOutsideLimitsTitle),
                    limitText(texts::kOutsideLimits) + QStringLiteral("\n\n") + values
                        + QStringLiteral("\n\n") + texts::text(texts::kWriteAnyway),
                    QMessageBox::Cancel, m_parent);
    box.setObjectName(QStringLiteral("WriteAnywayBox"));
    box.setTextFormat(Qt::PlainText); // the values come from files
    QPushButton *write = box.addButton(texts::text(texts::kWriteAnywayButton), QMessageBox::AcceptRole);
    write->setObjectName(QStringLiteral("WriteAnywayButton"));
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == write;
}

} // namespace vexlor
