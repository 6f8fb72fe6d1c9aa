#include "parameter_binding.h"

#include "find_control.h"
#include "input_rules.h"
#include "radio_group.h"
#include "up_down.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

namespace vexlor {

ParameterBinding::ParameterBinding(QWidget *window, InputRules &rules) : m_rules(rules)
{
    for (const ParameterDescriptor &d : parameterTable()) {
        if (!d.isStored())
            continue;
        Bound &b = m_controls[d.index];
        switch (d.kind) {
        case ParameterKind::Decimal:
        case ParameterKind::Whole:
        case ParameterKind::LevelCount:
            b.control = requireControl<QLineEdit>(window, d.control);
            break;
        case ParameterKind::Flag:
            b.control = requireControl<QCheckBox>(window, d.control);
            break;
        case ParameterKind::TwoWay:
            b.control = requireControl<QRadioButton>(window, d.control);
            b.second = requireControl<QRadioButton>(window, d.secondControl);
            break;
        case ParameterKind::Choice:
            b.control = requireControl<RadioGroup>(window, d.control);
            break;
        case ParameterKind::Slider:
            b.control = requireControl<QSlider>(window, d.control);
            break;
        case ParameterKind::Fixed:
            break;
        }
    }
    m_limitMaxSpeed = requireControl<QCheckBox>(window, kLimitMaxSpeedControl);
    m_levelUpDown = requireControl<UpDown>(window, "UpDown1");
}

ParameterSnapshot ParameterBinding::snapshot() const
{
    ParameterSnapshot s;
    for (const ParameterDescriptor &d : parameterTable()) {
        const Bound &b = m_controls[d.index];
        ControlValue &v = s[d.index];
        switch (d.kind) {
        case ParameterKind::Decimal:
        case ParameterKind::Whole:
        case ParameterKind::LevelCount:
            v.text = static_cast<QLineEdit *>(b.control)->text();
            break;
        case ParameterKind::Flag:
            v.number = static_cast<QCheckBox *>(b.control)->isChecked() ? 1 : 0;
            break;
        case ParameterKind::TwoWay:
            v.number = static_cast<QRadioButton *>(b.second)->isChecked() ? 1 : 0;
            break;
        case ParameterKind::Choice:
            v.number = static_cast<RadioGroup *>(b.control)->itemIndex();
            break;
        case ParameterKind::Slider:
            v.number = static_cast<QSlider *>(b.control)->value();
            break;
        case ParameterKind::Fixed:
            break;
        }
    }
    s.limitMaxSpeed = m_limitMaxSpeed->isChecked();
    return s;
}

void ParameterBinding::apply(const ControlAssignment &assignment)
{
    if (assignment.index < 0 || assignment.index >= kProtocolItemCount)
        return;
    const ParameterDescriptor &d = parameterAt(assignment.index);
    const Bound &b = m_controls[d.index];
    const ControlValue &v = assignment.value;
    switch (d.kind) {
    case ParameterKind::Decimal:
    case ParameterKind::Whole:
        static_cast<QLineEdit *>(b.control)->setText(v.text); // no exit rule: stays as given
        break;
    case ParameterKind::LevelCount: {
        static_cast<QLineEdit *>(b.control)->setText(v.text); // may lie outside 1..9
        m_levelUpDown->syncWithBuddy();
        m_rules.applyLevelRule();
        break;
    }
    case ParameterKind::Flag:
        // toggled fires only on a real change, which runs the group switch.
        static_cast<QCheckBox *>(b.control)->setChecked(v.number != 0);
        break;
    case ParameterKind::TwoWay: {
        auto *first = static_cast<QRadioButton *>(b.control);
        auto *second = static_cast<QRadioButton *>(b.second);
        (v.number != 0 ? second : first)->setChecked(true);
        (v.number != 0 ? first : second)->setChecked(false);
        break;
    }
    case ParameterKind::Choice:
        static_cast<RadioGroup *>(b.control)->setItemIndex(v.number);
        break;
    case ParameterKind::Slider:
        static_cast<QSlider *>(b.control)->setValue(v.number); // clamped into the range
        break;
    case ParameterKind::Fixed:
        break;
    }
}

} // namespace vexlor
