#include "qt_safety_dialogs.h"

#include "comparison_dialog.h"
#include "restore_backup_dialog.h"
#include "road_check_dialog.h"
#include "setup_wizard.h"
#include "basics/safety_texts.h"
#include "basics/shop_texts.h"
#include "verify_failure_dialog.h"

#include "params/limit_texts.h"
#include "road/plausibility_texts.h"
#include "road/road_texts.h"

#include <QMessageBox>
#include <QPushButton>

namespace vexlor {

ComparisonChoice QtSafetyDialogs::showComparison(const QList<DifferenceRow> &rows,
                                                 const FingerprintPair &fingerprints)
{
    ComparisonDialog dialog(rows, fingerprints, m_parent);
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

std::unique_ptr<QMessageBox> buildWriteAnywayBox(const WriteWarnings &warnings, QWidget *parent)
{
    // One question for everything, each list under its own sentence.
    QString text;
    if (!warnings.outsideLimits.isEmpty())
        text += limitText(texts::kOutsideLimits) + QStringLiteral("\n\n") + warnings.outsideLimits
            + QStringLiteral("\n\n");
    if (!warnings.roadClassFindings.isEmpty()) {
        text += roadText(texts::kBreaksClass).arg(warnings.roadClass) + QStringLiteral("\n\n")
            + warnings.roadClassFindings + QStringLiteral("\n\n");
    }
    if (!warnings.implausible.isEmpty()) {
        text += plausibilityText(texts::kWarningsHeading) + QStringLiteral("\n\n") + warnings.implausible
            + QStringLiteral("\n\n");
    }
    // The title names the weightiest kind listed.
    QString title = texts::text(texts::kImplausibleTitle);
    if (!warnings.outsideLimits.isEmpty())
        title = texts::text(texts::kOutsideLimitsTitle);
    else if (!warnings.roadClassFindings.isEmpty())
        title = texts::shopText(texts::kClassBrokenTitle);
    auto box = std::make_unique<QMessageBox>(QMessageBox::Warning, title, text + texts::text(texts::kWriteAnyway),
                                             QMessageBox::Cancel, parent);
    box->setObjectName(QStringLiteral("WriteAnywayBox"));
    box->setTextFormat(Qt::PlainText); // the values come from files
    QPushButton *write = box->addButton(texts::text(texts::kWriteAnywayButton), QMessageBox::AcceptRole);
    write->setObjectName(QStringLiteral("WriteAnywayButton"));
    box->setDefaultButton(QMessageBox::Cancel);
    box->setEscapeButton(QMessageBox::Cancel);
    return box;
}

bool QtSafetyDialogs::confirmWriteAnyway(const WriteWarnings &warnings)
{
    const auto box = buildWriteAnywayBox(warnings, m_parent);
    box->exec();
    return box->clickedButton() == box->findChild<QPushButton *>(QStringLiteral("WriteAnywayButton"));
}

RoadCheckSetting QtSafetyDialogs::checkRoadClass(const ParameterValues &values, NumberFormat format,
                                                 const RoadCheckSetting &setting)
{
    RoadCheckDialog dialog(values, format, setting, m_parent);
    dialog.exec();
    return dialog.setting();
}

SetupChoice QtSafetyDialogs::chooseSetupValues(const SetupStart &start)
{
    SetupWizard wizard(start, m_parent);
    wizard.exec();
    return wizard.choice();
}

} // namespace vexlor
