#include "comparison_dialog.h"

#include "difference_table.h"
#include "basics/safety_texts.h"
#include "basics/shop_texts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vexlor {

ComparisonDialog::ComparisonDialog(const QList<DifferenceRow> &rows,
                                   const FingerprintPair &fingerprints, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ComparisonDialog"));
    setWindowTitle(texts::text(texts::kComparisonTitle));
    auto *layout = new QVBoxLayout(this);

    const bool differs = !rows.isEmpty();
    auto *summary = new QLabel(texts::text(differs ? texts::kComparisonDiffers
                                                   : texts::kComparisonEqual), this);
    summary->setObjectName(QStringLiteral("ComparisonSummary"));
    summary->setWordWrap(true);
    layout->addWidget(summary);
    if (differs) {
        QTableWidget *table = buildDifferenceTable(rows, texts::text(texts::kWindowValueColumn),
                                                   texts::text(texts::kControllerValueColumn),
                                                   summary, this);
        table->setObjectName(QStringLiteral("ComparisonTable"));
        layout->addWidget(table);
    }
    if (!fingerprints.window.isEmpty() && !fingerprints.controller.isEmpty()) {
        auto *marks = new QLabel(texts::shopText(texts::kComparisonFingerprints)
                                     .arg(fingerprints.window, fingerprints.controller),
                                 this);
        marks->setObjectName(QStringLiteral("ComparisonFingerprints"));
        marks->setTextInteractionFlags(Qt::TextSelectableByMouse); // to copy onto paperwork
        layout->addWidget(marks);
    }

    auto *buttons = new QDialogButtonBox(this);
    auto *load = buttons->addButton(texts::text(texts::kLoadControllerValuesButton),
                                    QDialogButtonBox::ActionRole);
    load->setObjectName(QStringLiteral("LoadControllerValuesButton"));
    auto *write = buttons->addButton(texts::text(texts::kWriteWindowValuesButton),
                                     QDialogButtonBox::ActionRole);
    write->setObjectName(QStringLiteral("WriteWindowValuesButton"));
    auto *close = buttons->addButton(texts::text(texts::kCloseButton), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("CloseButton"));
    load->setEnabled(differs);
    write->setEnabled(differs);
    close->setDefault(true); // Enter changes nothing
    connect(load, &QPushButton::clicked, this, [this] { choose(ComparisonChoice::LoadControllerValues); });
    connect(write, &QPushButton::clicked, this, [this] { choose(ComparisonChoice::WriteWindowValues); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(qMax(sizeHint().width(), 560), sizeHint().height());
}

void ComparisonDialog::choose(ComparisonChoice choice)
{
    m_choice = choice;
    accept();
}

} // namespace vexlor
