#include "motor_page.h"

#include "group_form.h"
#include "parameter_controls.h"
#include "radio_group.h"
#include "window_controls.h"
#include "art/motor_illustration.h"
#include "window/window_texts.h"

#include <QGroupBox>
#include <QLabel>

namespace vexlor {

QWidget *buildMotorPage(QWidget *parent, WindowControls &controls)
{
    ParameterControls &parameters = controls.parameters;
    auto *page = new QWidget(parent);
    page->setObjectName(QStringLiteral("TabSheet2"));

    makeRadioGroup(parameters, "RadioGroup4", page)->setGeometry(16, 8, 136, 97);
    makeRadioGroup(parameters, "RadioGroup3", page)->setGeometry(160, 8, 150, 97);

    auto *group = makeGroup("GroupBox6", WindowTexts::tr("Brushless motor parameters"),
                            QRect(16, 120, 281, 289), page);
    static constexpr const char *kMotorFields[] = {
        "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit10",
    };
    LabeledField fields[std::size(kMotorFields)];
    int captionWidth = 0;
    for (size_t i = 0; i < std::size(kMotorFields); ++i) {
        fields[i] = makeLabeledField(parameters, kMotorFields[i], 56, group);
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
