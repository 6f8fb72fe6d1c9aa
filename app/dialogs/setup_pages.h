#pragma once

#include "safety_dialogs.h"

#include "setup/setup_proposal.h"

#include <QCoreApplication>
#include <QWizardPage>

class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QLabel;
class QSpinBox;
class QTableWidget;

namespace vexlor {

// The setup assistant's own texts, one context for the wizard and its pages.
class WizardText {
    Q_DECLARE_TR_FUNCTIONS(SetupWizard)
};

// The setup assistant's pages: what is printed on the battery, on the motor,
// the tire with the road class and the assist levels, and the proposal.

// The battery: its nominal voltage or its cells in series, and its BMS's
// continuous current.
class BatteryPage : public QWizardPage {
    Q_OBJECT
public:
    explicit BatteryPage(const SetupStart &start, QWidget *parent = nullptr);
    void fill(BikeParts &parts) const;

private:
    QComboBox *m_voltage = nullptr; // BatteryVoltageBox
    QSpinBox *m_cells = nullptr;    // BatteryCellsBox
    QDoubleSpinBox *m_bms = nullptr; // BmsCurrentBox
};

// The motor's values, each "not known" until given.
class MotorPage : public QWizardPage {
    Q_OBJECT
public:
    explicit MotorPage(QWidget *parent = nullptr);
    void fill(BikeParts &parts) const;

private:
    QSpinBox *m_voltage = nullptr;      // MotorVoltageBox
    QSpinBox *m_power = nullptr;        // MotorPowerBox
    QSpinBox *m_polePairs = nullptr;    // PolePairsBox
    QDoubleSpinBox *m_ratio = nullptr;  // ReductionRatioBox
    QSpinBox *m_noLoadSpeed = nullptr;  // NoLoadSpeedBox
    QSpinBox *m_phaseCurrent = nullptr; // PhaseCurrentBox
};

// The tire, the road class (the window's) and the assist levels. Complete
// once the tire names a size.
class RoadPage : public QWizardPage {
    Q_OBJECT
public:
    explicit RoadPage(const SetupStart &start, QWidget *parent = nullptr);
    [[nodiscard]] bool isComplete() const override;
    void fill(BikeParts &parts) const;
    [[nodiscard]] RoadCheckSetting setting() const;

private:
    void showTire();

    NumberFormat m_format;
    QComboBox *m_tire = nullptr;   // TireBox
    QLabel *m_rolls = nullptr;     // TireReport: how far it rolls, or why it names no size
    QComboBox *m_class = nullptr;  // RoadClassBox
    QSpinBox *m_levels = nullptr;  // PasLevelsBox
};

// The proposal as a table (caption, now, proposed, why), a tick per row.
class ProposalPage : public QWizardPage {
    Q_OBJECT
public:
    explicit ProposalPage(QWidget *parent = nullptr);
    void showProposal(const SetupProposal &proposal, const QList<ProposalRow> &rows,
                      const QString &className);
    // The values whose rows are ticked.
    [[nodiscard]] QList<ProposedValue> tickedValues() const;

private:
    QLabel *m_fit = nullptr;         // ProposalFit: shown when a part does not fit the class
    QTableWidget *m_table = nullptr; // ProposalTable
    SetupProposal m_proposal;
};

} // namespace vexlor
