#include "setup_shots.h"

#include "dialogs/setup_wizard.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>

namespace vexlor {

bool saveSetupShots(QWidget *parent, NumberFormat format, const QDir &out, const QStringList &names)
{
    SetupWizard wizard({ParameterSnapshot::initial(), {findRoadClass(u"eu-epac"), QStringLiteral("57-584")},
                        format},
                       parent);
    auto *voltage = wizard.findChild<QComboBox *>(QStringLiteral("BatteryVoltageBox"));
    auto *bms = wizard.findChild<QDoubleSpinBox *>(QStringLiteral("BmsCurrentBox"));
    auto *power = wizard.findChild<QSpinBox *>(QStringLiteral("MotorPowerBox"));
    auto *levels = wizard.findChild<QSpinBox *>(QStringLiteral("PasLevelsBox"));
    if (!voltage || !bms || !power || !levels)
        return false;
    voltage->setCurrentIndex(2); // 48 V
    bms->setValue(25);
    power->setValue(250);
    levels->setValue(5);
    wizard.show();
    bool saved = true;
    for (int page = 0; page < names.size(); ++page) {
        if (!names[page].isEmpty())
            saved = saved && wizard.grab().save(out.filePath(names[page]));
        wizard.next();
    }
    return saved;
}

} // namespace vexlor
