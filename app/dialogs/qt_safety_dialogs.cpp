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

#include <QGridLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextDocument>
#include <QtMath>

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

namespace {

// Each list under its own sentence, in the order of their weight.
QString warningLists(const WriteWarnings &warnings)
{
    QStringList parts;
    if (!warnings.outsideLimits.isEmpty())
        parts << limitText(texts::kOutsideLimits) << warnings.outsideLimits;
    if (!warnings.roadClassFindings.isEmpty())
        parts << roadText(texts::kBreaksClass).arg(warnings.roadClass) << warnings.roadClassFindings;
    if (!warnings.implausible.isEmpty())
        parts << plausibilityText(texts::kWarningsHeading) << warnings.implausible;
    return parts.join(QStringLiteral("\n\n"));
}

// The lists in a read-only view as wide as their longest line and as high as
// all of them, but never over half the screen (nor so wide the box would
// clip it): beyond that it wraps and scrolls, so a long list cannot push the
// box's buttons off the screen.
QPlainTextEdit *warningView(const QString &lists, const QString &name, QWidget *box)
{
    auto *view = new QPlainTextEdit(box);
    view->setObjectName(QStringLiteral("WriteAnywayList"));
    view->setAccessibleName(name);
    view->setReadOnly(true);
    view->setPlainText(lists); // the values come from files
    const QFontMetrics metrics(view->font());
    int widest = 0;
    for (const QString &line : lists.split(u'\n'))
        widest = qMax(widest, metrics.horizontalAdvance(line));
    const int margins = 2 * (view->frameWidth() + qCeil(view->document()->documentMargin()));
    const int scrollBar = view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    const QSize area = box->screen()->availableGeometry().size();
    view->setMinimumWidth(qMin(widest + margins + scrollBar, qMin(area.width() / 2, 700)));
    // One line to spare: laid-out lines come a fraction taller than the
    // font's line spacing.
    const int lines = int(lists.count(u'\n')) + 2;
    view->setFixedHeight(qMin(lines * metrics.lineSpacing() + margins, area.height() / 2));
    return view;
}

// Puts `view` where the box's message is and the message, the question,
// below it: the rider reads what they approve before being asked.
void placeAboveQuestion(QMessageBox &box, QWidget *view)
{
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    const int column = grid->columnCount() - 1;
    QWidget *question = grid->itemAtPosition(0, column)->widget();
    grid->removeWidget(question);
    grid->addWidget(view, 0, column);
    grid->addWidget(question, 1, column);
}

} // namespace

std::unique_ptr<QMessageBox> buildWriteAnywayBox(const WriteWarnings &warnings, QWidget *parent)
{
    // The title names the weightiest kind listed.
    QString title = texts::text(texts::kImplausibleTitle);
    if (!warnings.outsideLimits.isEmpty())
        title = texts::text(texts::kOutsideLimitsTitle);
    else if (!warnings.roadClassFindings.isEmpty())
        title = texts::shopText(texts::kClassBrokenTitle);
    auto box = std::make_unique<QMessageBox>(QMessageBox::Warning, title, texts::text(texts::kWriteAnyway),
                                             QMessageBox::Cancel, parent);
    box->setObjectName(QStringLiteral("WriteAnywayBox"));
    box->setTextFormat(Qt::PlainText);
    placeAboveQuestion(*box, warningView(warningLists(warnings), title, box.get()));
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
