#include "verify_failure_dialog.h"

#include "difference_table.h"
#include "basics/safety_texts.h"

#include "protocol/transaction_texts.h"
#include "session/write_safety_texts.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vexlor {

VerifyFailureDialog::VerifyFailureDialog(const QList<DifferenceRow> &rows, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("VerifyFailureDialog"));
    setWindowTitle(transactionText(texts::kWriteCaption));
    auto *layout = new QVBoxLayout(this);

    // The error icon, as the other failure boxes show it.
    auto *heading = new QHBoxLayout;
    auto *icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical, nullptr, this).pixmap(size));
    heading->addWidget(icon, 0, Qt::AlignTop);
    auto *summary = new QLabel(writeSafetyText(texts::kVerifyFoundDifferences), this);
    summary->setObjectName(QStringLiteral("VerifyFailureSummary"));
    summary->setWordWrap(true);
    heading->addWidget(summary, 1);
    layout->addLayout(heading);

    QTableWidget *table = buildDifferenceTable(rows, texts::text(texts::kWrittenValueColumn),
                                               texts::text(texts::kHeldValueColumn), summary, this);
    table->setObjectName(QStringLiteral("VerifyFailureTable"));
    layout->addWidget(table);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(qMax(sizeHint().width(), 560), sizeHint().height());
}

} // namespace vexlor
