#include "connection_doctor_dialog.h"

#include "basics/safety_texts.h"
#include "art/status_pictures.h"

#include "doctor/doctor_run.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace vexlor {
namespace {

StatusPicture pictureOf(CheckStatus status)
{
    switch (status) {
    case CheckStatus::Ok:
        return StatusPicture::Ok;
    case CheckStatus::Warn:
        return StatusPicture::Warn;
    case CheckStatus::Fail:
        return StatusPicture::Fail;
    case CheckStatus::Skip:
        break;
    }
    return StatusPicture::Skip;
}

// What the picture says, for screen readers.
QString statusWords(CheckStatus status)
{
    switch (status) {
    case CheckStatus::Ok:
        return ConnectionDoctorDialog::tr("Passed");
    case CheckStatus::Warn:
        return ConnectionDoctorDialog::tr("Warning");
    case CheckStatus::Fail:
        return ConnectionDoctorDialog::tr("Failed");
    case CheckStatus::Skip:
        break;
    }
    return ConnectionDoctorDialog::tr("Not applicable");
}

QLabel *pictureLabel(StatusPicture picture, const QString &words, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setPixmap(statusIcon(picture).pixmap(24, 24));
    label->setAccessibleName(words);
    label->setToolTip(words);
    return label;
}

// Findings quote paths and program names: shown as they are, never as markup.
QLabel *textLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

} // namespace

ConnectionDoctorDialog::ConnectionDoctorDialog(DoctorRun &run, QString program, QWidget *parent)
    : QDialog(parent)
    , m_run(run)
    , m_program(std::move(program))
{
    setObjectName(QStringLiteral("ConnectionDoctorDialog"));
    setWindowTitle(tr("Connection Doctor"));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("Why the programming cable does or does not work, and what fixes it:"), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto *area = new QScrollArea(this);
    area->setWidgetResizable(true);
    auto *sheet = new QWidget(area);
    m_rows = new QGridLayout(sheet);
    m_rows->setColumnStretch(2, 1);
    m_rows->setAlignment(Qt::AlignTop);
    area->setWidget(sheet);
    layout->addWidget(area, 1);

    auto *buttons = new QDialogButtonBox(this);
    m_runAgain = buttons->addButton(tr("&Run Again"), QDialogButtonBox::ActionRole);
    m_runAgain->setObjectName(QStringLiteral("RunAgainButton"));
    m_copy = buttons->addButton(tr("&Copy Report"), QDialogButtonBox::ActionRole);
    m_copy->setObjectName(QStringLiteral("CopyReportButton"));
    auto *close = buttons->addButton(texts::text(texts::kCloseButton), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setDefault(true);
    connect(m_runAgain, &QPushButton::clicked, this, &ConnectionDoctorDialog::showAndRun);
    connect(m_copy, &QPushButton::clicked, this, &ConnectionDoctorDialog::copyReport);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(&m_run, &DoctorRun::systemChecked, this,
            [this](const QList<CheckResult> &results) { showResults(results, true); });
    connect(&m_run, &DoctorRun::finished, this,
            [this](const QList<CheckResult> &results) { showResults(results, false); });
    // Its findings scroll: on a small screen it leaves room for the title
    // bar and the panel; a big screen shows it whole.
    resize(QSize(760, 640).boundedTo(screen()->availableGeometry().size() * 9 / 10));
}

void ConnectionDoctorDialog::showAndRun()
{
    show();
    raise();
    activateWindow();
    (void)m_run.start(); // a run under way goes on and shows its end here
}

void ConnectionDoctorDialog::showResults(const QList<CheckResult> &results, bool controllerPending)
{
    m_results = results;
    clearRows();
    for (int row = 0; row < results.size(); ++row)
        addRow(row, results[row]);
    if (controllerPending)
        addPendingRow(int(results.size()));
    m_runAgain->setEnabled(!controllerPending);
    m_copy->setEnabled(!controllerPending);
}

QString ConnectionDoctorDialog::report() const
{
    return reportWithVersions(m_results, m_program);
}

void ConnectionDoctorDialog::addRow(int row, const CheckResult &result)
{
    QWidget *sheet = m_rows->parentWidget();
    QLabel *picture = pictureLabel(pictureOf(result.status), statusWords(result.status), sheet);
    picture->setObjectName(QStringLiteral("Status_") + result.check);
    auto *name = new QLabel(result.check, sheet);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    QLabel *detail = textLabel(result.detail, sheet);
    detail->setObjectName(QStringLiteral("Detail_") + result.check);
    name->setBuddy(detail);
    auto *texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->addWidget(detail);
    if (!result.fix.isEmpty()) {
        //: before the fix of a check that failed or warns; %1 the fix, often a command
        QLabel *fix = textLabel(tr("Fix: %1").arg(result.fix), sheet);
        fix->setObjectName(QStringLiteral("Fix_") + result.check);
        fix->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont)); // most fixes are commands
        texts->addWidget(fix);
    }
    m_rows->addWidget(picture, row, 0, Qt::AlignTop);
    m_rows->addWidget(name, row, 1, Qt::AlignTop);
    m_rows->addLayout(texts, row, 2);
}

void ConnectionDoctorDialog::addPendingRow(int row)
{
    QWidget *sheet = m_rows->parentWidget();
    const QString words = tr("Asking the controller…");
    QLabel *picture = pictureLabel(StatusPicture::Pending, words, sheet);
    picture->setObjectName(QStringLiteral("Status_controller"));
    m_rows->addWidget(picture, row, 0, Qt::AlignTop);
    m_rows->addWidget(new QLabel(QStringLiteral("controller"), sheet), row, 1, Qt::AlignTop);
    m_rows->addWidget(textLabel(words, sheet), row, 2);
}

void ConnectionDoctorDialog::clearRows()
{
    while (QLayoutItem *item = m_rows->takeAt(0)) {
        if (QLayout *inner = item->layout()) {
            while (QLayoutItem *part = inner->takeAt(0)) {
                delete part->widget();
                delete part;
            }
        }
        delete item->widget();
        delete item;
    }
}

void ConnectionDoctorDialog::copyReport()
{
    QApplication::clipboard()->setText(report());
}

} // namespace vexlor
