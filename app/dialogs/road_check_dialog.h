#pragma once

#include "safety_dialogs.h"

#include <QDialog>

class QComboBox;
class QFormLayout;
class QLabel;

namespace vexlor {

// Check Road Class: the window's values against the class and the tire the
// user picks, the outcome and each finding below, renewed at every change.
// The tire is an ETRTO size or one of the common sizes offered.
class RoadCheckDialog : public QDialog {
    Q_OBJECT
public:
    RoadCheckDialog(const ParameterValues &values, NumberFormat format, const RoadCheckSetting &setting,
                    QWidget *parent = nullptr);

    // The class and tire as the dialog shows them now.
    [[nodiscard]] RoadCheckSetting setting() const;
    // The report as shown: class, tire, outcome, findings; one a line.
    [[nodiscard]] QString report() const;

private:
    [[nodiscard]] QFormLayout *buildFields(const RoadCheckSetting &setting);
    void renew();

    ParameterValues m_values;
    NumberFormat m_format;
    SpeedUnits m_units;
    QComboBox *m_class = nullptr; // RoadClassBox
    QComboBox *m_tire = nullptr;  // TireBox
    QLabel *m_report = nullptr;   // RoadCheckReport
};

} // namespace vexlor
