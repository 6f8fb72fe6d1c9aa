#include "setup_pages.h"

#include "basics/shop_texts.h"

#include "params/parameter_codec.h"
#include "params/parameter_comparison.h"
#include "params/message_input.h"
#include "road/road_check.h"
#include "road/road_texts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace vexlor {
namespace {

constexpr int kRatedVoltageIndex = 42;
constexpr int kPolePairsIndex = 45;
constexpr int kNoLoadSpeedIndex = 46;
constexpr int kReductionRatioIndex = 47;
constexpr int kMaxPhaseCurrentIndex = 50;
constexpr int kMaxBatteryCurrentIndex = 1;

// A field in its row, labelled by its caption.
void addField(QFormLayout *form, const QString &caption, QWidget *field)
{
    auto *label = new QLabel(caption, field->parentWidget());
    label->setBuddy(field);
    form->addRow(label, field);
}

// A parameter's caption as its field in the window shows it, "Rated power:".
QString captionOf(int index)
{
    return parameterText(parameterAt(index).caption).trimmed();
}

// " W": the unit of a parameter's field after a spin box's number.
QString suffixOf(int index)
{
    const QString unit = shownUnit(parameterAt(index));
    return unit.startsWith(u':') ? unit : u' ' + unit;
}

// A motor value the rider may not know: 0 reads "not known".
template <typename Box>
Box *unknownBox(QWidget *page, const char *name, int index, double most)
{
    auto *box = new Box(page);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(0, most);
    //: a motor value the rider has not found printed on the motor
    box->setSpecialValueText(WizardText::tr("not known"));
    box->setSuffix(suffixOf(index));
    return box;
}

} // namespace

BatteryPage::BatteryPage(const SetupStart &start, QWidget *parent) : QWizardPage(parent)
{
    setObjectName(QStringLiteral("BatteryPage"));
    setTitle(WizardText::tr("Battery"));
    setSubTitle(WizardText::tr("As printed on the battery and on its BMS."));
    m_voltage = new QComboBox(this);
    m_voltage->setObjectName(QStringLiteral("BatteryVoltageBox"));
    for (int volts : kNominalBatteryVoltages)
        m_voltage->addItem(valueWithUnit(parameterAt(kRatedVoltageIndex), QString::number(volts)), volts);
    //: the battery's nominal voltage is none of those listed: its cells are given below
    m_voltage->addItem(WizardText::tr("other"), 0);
    m_cells = new QSpinBox(this);
    m_cells->setObjectName(QStringLiteral("BatteryCellsBox"));
    m_cells->setRange(kLeastCells, kMostCells);
    m_bms = new QDoubleSpinBox(this);
    m_bms->setObjectName(QStringLiteral("BmsCurrentBox"));
    m_bms->setRange(1, 200);
    m_bms->setDecimals(1);
    m_bms->setSuffix(suffixOf(kMaxBatteryCurrentIndex));
    m_bms->setValue(textToReal(start.now[kMaxBatteryCurrentIndex].text, start.format).value_or(15));

    // The voltage gives the cells; cells of no voltage listed are "other".
    connect(m_voltage, &QComboBox::currentIndexChanged, this, [this] {
        if (const int volts = m_voltage->currentData().toInt(); volts > 0)
            m_cells->setValue(cellsOfNominalVoltage(volts));
    });
    connect(m_cells, &QSpinBox::valueChanged, this, [this](int cells) {
        if (cellsOfNominalVoltage(m_voltage->currentData().toInt()) == cells)
            return;
        int item = m_voltage->count() - 1;
        for (int volts : kNominalBatteryVoltages) {
            if (cellsOfNominalVoltage(volts) == cells)
                item = m_voltage->findData(volts);
        }
        m_voltage->setCurrentIndex(item);
    });
    // The window's rated voltage is the best guess of the battery's.
    const int rated = textToInteger(start.now[kRatedVoltageIndex].text).value_or(36);
    m_cells->setValue(std::clamp(cellsOfNominalVoltage(rated), kLeastCells, kMostCells));
    if (const int item = m_voltage->findData(rated); item >= 0)
        m_voltage->setCurrentIndex(item);

    auto *form = new QFormLayout(this);
    //: the voltage the battery is sold by: 24, 36, 48 or 52 V
    addField(form, WizardText::tr("Nominal voltage:"), m_voltage);
    addField(form, WizardText::tr("Cells in series:"), m_cells);
    //: the current the battery's management system (BMS) gives without a break
    addField(form, WizardText::tr("BMS continuous current:"), m_bms);
}

void BatteryPage::fill(BikeParts &parts) const
{
    const int volts = m_voltage->currentData().toInt();
    const int cells = m_cells->value();
    parts.battery = volts > 0 && cellsOfNominalVoltage(volts) == cells ? Battery{cells, volts} : batteryOfCells(cells);
    parts.bmsCurrent = m_bms->value();
}

MotorPage::MotorPage(QWidget *parent) : QWizardPage(parent)
{
    setObjectName(QStringLiteral("MotorPage"));
    setTitle(WizardText::tr("Motor"));
    setSubTitle(WizardText::tr("As printed on the motor. What is not known stays as it is."));
    m_voltage = unknownBox<QSpinBox>(this, "MotorVoltageBox", kRatedVoltageIndex, 100);
    m_power = unknownBox<QSpinBox>(this, "MotorPowerBox", kRatedPowerIndex, 5000);
    m_power->setSingleStep(50);
    m_polePairs = unknownBox<QSpinBox>(this, "PolePairsBox", kPolePairsIndex, 60);
    m_ratio = unknownBox<QDoubleSpinBox>(this, "ReductionRatioBox", kReductionRatioIndex, 99.9);
    m_ratio->setDecimals(1);
    m_noLoadSpeed = unknownBox<QSpinBox>(this, "NoLoadSpeedBox", kNoLoadSpeedIndex, 5000);
    m_noLoadSpeed->setSingleStep(10);
    m_phaseCurrent = unknownBox<QSpinBox>(this, "PhaseCurrentBox", kMaxPhaseCurrentIndex, 70);
    auto *form = new QFormLayout(this);
    addField(form, captionOf(kRatedVoltageIndex), m_voltage);
    addField(form, captionOf(kRatedPowerIndex), m_power);
    addField(form, captionOf(kPolePairsIndex), m_polePairs);
    addField(form, captionOf(kReductionRatioIndex), m_ratio);
    addField(form, captionOf(kNoLoadSpeedIndex), m_noLoadSpeed);
    addField(form, captionOf(kMaxPhaseCurrentIndex), m_phaseCurrent);
}

void MotorPage::fill(BikeParts &parts) const
{
    parts.motorVoltage = m_voltage->value();
    parts.motorPower = m_power->value();
    parts.polePairs = m_polePairs->value();
    parts.reductionRatio = m_ratio->value();
    parts.noLoadSpeed = m_noLoadSpeed->value();
    parts.maxPhaseCurrent = m_phaseCurrent->value();
}

RoadPage::RoadPage(const SetupStart &start, QWidget *parent) : QWizardPage(parent), m_format(start.format)
{
    setObjectName(QStringLiteral("RoadPage"));
    setTitle(WizardText::tr("Wheel and road"));
    setSubTitle(WizardText::tr("The tire as printed on it, the road class the bike keeps to, and the "
                               "assist levels the rider wants."));
    m_tire = new QComboBox(this);
    m_tire->setObjectName(QStringLiteral("TireBox"));
    m_tire->setEditable(true);
    m_tire->setInsertPolicy(QComboBox::NoInsert);
    m_tire->addItem(QString());
    for (const CommonTire &tire : commonTires())
        m_tire->addItem(QString::fromLatin1(tire.name));
    m_tire->setEditText(start.setting.tire);
    m_rolls = new QLabel(this);
    m_rolls->setObjectName(QStringLiteral("TireReport"));
    m_rolls->setTextFormat(Qt::PlainText); // the tire is typed
    m_rolls->setWordWrap(true);
    m_class = new QComboBox(this);
    m_class->setObjectName(QStringLiteral("RoadClassBox"));
    for (const RoadClass &c : roadClasses())
        m_class->addItem(roadClassName(c), QString::fromLatin1(c.id));
    if (start.setting.roadClass)
        m_class->setCurrentIndex(m_class->findData(QString::fromLatin1(start.setting.roadClass->id)));
    m_levels = new QSpinBox(this);
    m_levels->setObjectName(QStringLiteral("PasLevelsBox"));
    m_levels->setRange(1, kLevelLimitCount);
    m_levels->setValue(textToInteger(start.now[kPasLevelCountIndex].text).value_or(kLevelLimitCount));

    auto *form = new QFormLayout(this);
    addField(form, texts::shopText(texts::kTireField), m_tire);
    form->addRow(QString(), m_rolls);
    addField(form, texts::shopText(texts::kRoadClassField), m_class);
    addField(form, captionOf(kPasLevelCountIndex), m_levels);
    connect(m_tire, &QComboBox::editTextChanged, this, &RoadPage::showTire);
    showTire();
}

void RoadPage::showTire()
{
    const QString text = m_tire->currentText().trimmed();
    const std::optional<TireSize> tire = parseTireSize(text, m_format);
    if (tire)
        m_rolls->setText(roadText(texts::kTireLine)
                             .arg(tire->name, valueWithUnit(parameterAt(kWheelPerimeterIndex),
                                                            QString::number(std::lround(tire->perimeter)))));
    else
        m_rolls->setText(text.isEmpty() ? texts::shopText(texts::kTireHint)
                                        : roadText(texts::kNoTireSize).arg(inputForMessage(text)));
    emit completeChanged();
}

bool RoadPage::isComplete() const
{
    return parseTireSize(m_tire->currentText().trimmed(), m_format).has_value();
}

void RoadPage::fill(BikeParts &parts) const
{
    parts.tire = parseTireSize(m_tire->currentText().trimmed(), m_format).value_or(TireSize{});
    parts.roadClass = findRoadClass(m_class->currentData().toString());
    parts.pasLevels = m_levels->value();
}

RoadCheckSetting RoadPage::setting() const
{
    return {findRoadClass(m_class->currentData().toString()), m_tire->currentText().trimmed()};
}

ProposalPage::ProposalPage(QWidget *parent) : QWizardPage(parent)
{
    setObjectName(QStringLiteral("ProposalPage"));
    setTitle(WizardText::tr("Proposed values"));
    setSubTitle(WizardText::tr("Apply puts the ticked values into the window. Only Write sends them to "
                               "the controller."));
    m_fit = new QLabel(this);
    m_fit->setObjectName(QStringLiteral("ProposalFit"));
    m_fit->setWordWrap(true);
    m_table = new QTableWidget(0, 4, this);
    m_table->setObjectName(QStringLiteral("ProposalTable"));
    //: the columns of the proposed values: the field, its value now, the value proposed, why
    m_table->setHorizontalHeaderLabels({WizardText::tr("Setting"), WizardText::tr("Now"),
                                        WizardText::tr("Proposed"), WizardText::tr("Why")});
    m_table->setAccessibleName(title());
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    // Captions and values whole; why takes the rest, wrapped.
    m_table->setWordWrap(true);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_fit);
    layout->addWidget(m_table, 1);
}

void ProposalPage::showProposal(const SetupProposal &proposal, const QList<ProposalRow> &rows,
                                const QString &className)
{
    m_proposal = proposal;
    m_fit->setText(WizardText::tr("Not every part fits %1: the rows say which.").arg(className));
    m_fit->setVisible(!proposal.fitsClass);
    m_table->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        auto *caption = new QTableWidgetItem(rows[row].caption);
        caption->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        caption->setCheckState(Qt::Checked);
        m_table->setItem(row, 0, caption);
        const QStringList cells{rows[row].now, rows[row].proposed, rows[row].why};
        for (int column = 1; column < 4; ++column)
            m_table->setItem(row, column, new QTableWidgetItem(cells[column - 1]));
    }
}

QList<ProposedValue> ProposalPage::tickedValues() const
{
    QList<ProposedValue> ticked;
    for (int row = 0; row < m_table->rowCount() && row < m_proposal.values.size(); ++row) {
        if (m_table->item(row, 0)->checkState() == Qt::Checked)
            ticked.append(m_proposal.values[row]);
    }
    return ticked;
}

} // namespace vexlor
