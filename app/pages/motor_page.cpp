#include "motor_page.h"

#include "group_form.h"
#include "parameter_controls.h"
#include "radio_group.h"
#include "window_controls.h"
#include "art/motor_illustration.h"
#include "basics/window_texts.h"

#include <QGroupBox>
#include <QLabel>

namespace vexlor {

QWidget *buildMotorPage(QWidget *parent, WindowControls &controls)
{
    ParameterControls &parameters = controls.parameters;
    auto *page = new QWidget(parent);
    page->setObjectName(QStringLiteral("TabSheet2"));

    makeRadioGroup(parameters, "HallSensorType", page)->setGeometry(16, 8, 136, 97);
    makeRadioGroup(parameters, "RotationDirection", page)->setGeometry(160, 8, 150, 97);

    auto *group = makeGroup("GroupBox6", WindowTexts::tr("Brushless motor parameters"),
                            QRect(16, 120, 281, 289), page);
    static constexpr const char *kMotorParameters[] = {
        "MotorRatedVoltage",   "MotorRatedPower",  "MotorPolePairs",   "MotorNoLoadSpeed",
        "MotorReductionRatio", "StatorResistance", "StatorInductance", "MaxPhaseCurrent",
    };
    LabeledField fields[std::size(kMotorParameters)];
    int captionWidth = 0;
    for (size_t i = 0; i < std::size(kMotorParameters); ++i) {
        fields[i] = makeLabeledField(parameters, kMotorParameters[i], 56, group);
        captionWidth = std::max(captionWidth, fields[i].caption->sizeHint().width());
    }
    GroupForm form(group, captionWidth, 9); // rows 32 pixels apart
    for (const auto &field : fields)
        form.addField(field);
    form.addStretch();

    auto *motor = new MotorIllustration(page);
    motor->setObjectName(QStringLiteral("Image2"));
    motor->setGeometry(320, 32, 440, 360);
    return page;
}

} // namespace vexlor
