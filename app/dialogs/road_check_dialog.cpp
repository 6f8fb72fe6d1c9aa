#include "road_check_dialog.h"

#include "basics/safety_texts.h"
#include "basics/shop_texts.h"

#include "params/message_input.h"
#include "road/road_check.h"
#include "road/road_texts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexlor {

RoadCheckDialog::RoadCheckDialog(const ParameterValues &values, NumberFormat format,
                                 const RoadCheckSetting &setting, QWidget *parent)
    : QDialog(parent), m_values(values), m_format(format), m_units(setting.units)
{
    setObjectName(QStringLiteral("RoadCheckDialog"));
    setWindowTitle(texts::shopText(texts::kCheckTitle));
    m_report = new QLabel(this);
    m_report->setObjectName(QStringLiteral("RoadCheckReport"));
    m_report->setTextFormat(Qt::PlainText); // the tire is typed
    m_report->setWordWrap(true);
    m_report->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_report->setMinimumHeight(m_report->fontMetrics().lineSpacing() * 8);
    m_report->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *buttons = new QDialogButtonBox(this);
    auto *close = buttons->addButton(texts::text(texts::kCloseButton), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setAutoDefault(false); // Enter in the tire field only renews the check
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buildFields(setting));
    layout->addWidget(m_report, 1);
    layout->addWidget(buttons);
    renew();
    resize(qMax(sizeHint().width(), 520), sizeHint().height());
}

QFormLayout *RoadCheckDialog::buildFields(const RoadCheckSetting &setting)
{
    m_class = new QComboBox(this);
    m_class->setObjectName(QStringLiteral("RoadClassBox"));
    m_class->addItem(texts::shopText(texts::kNoRoadClass), QString());
    for (const RoadClass &c : roadClasses())
        m_class->addItem(roadClassName(c), QString::fromLatin1(c.id));
    if (setting.roadClass)
        m_class->setCurrentIndex(m_class->findData(QString::fromLatin1(setting.roadClass->id)));

    m_tire = new QComboBox(this);
    m_tire->setObjectName(QStringLiteral("TireBox"));
    m_tire->setEditable(true);
    m_tire->setInsertPolicy(QComboBox::NoInsert);
    m_tire->addItem(QString());
    for (const CommonTire &tire : commonTires())
        m_tire->addItem(QString::fromLatin1(tire.name));
    m_tire->setEditText(setting.tire);

    auto *hint = new QLabel(texts::shopText(texts::kTireHint), this);
    hint->setWordWrap(true);
    auto *form = new QFormLayout;
    form->addRow(texts::shopText(texts::kRoadClassField), m_class);
    form->addRow(texts::shopText(texts::kTireField), m_tire);
    form->addRow(QString(), hint);
    connect(m_class, &QComboBox::currentIndexChanged, this, &RoadCheckDialog::renew);
    connect(m_tire, &QComboBox::editTextChanged, this, &RoadCheckDialog::renew);
    return form;
}

RoadCheckSetting RoadCheckDialog::setting() const
{
    return {findRoadClass(m_class->currentData().toString()), m_tire->currentText().trimmed(), m_units};
}

QString RoadCheckDialog::report() const
{
    return m_report->text();
}

void RoadCheckDialog::renew()
{
    const RoadCheckSetting now = setting();
    std::optional<TireSize> tire;
    if (!now.tire.isEmpty()) {
        tire = parseTireSize(now.tire, m_format);
        // A check without the tire typed would read as if it had been made.
        if (!tire) {
            m_report->setText(roadText(texts::kNoTireSize).arg(inputForMessage(now.tire)));
            return;
        }
    }
    m_report->setText(roadCheckReport(m_values, now.roadClass, tire, m_format, m_units).join(u'\n'));
}

} // namespace vexlor
