#include "parameter_binding.h"

#include "radio_group.h"
#include "speed_fields.h"
#include "up_down.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

namespace vexlor {

ParameterBinding::ParameterBinding(const WindowControls &controls, std::function<void()> levelRule,
                                   NumberFormat format)
    : m_controls(controls)
    , m_levelRule(std::move(levelRule))
    , m_speeds(std::make_unique<SpeedFields>(m_controls, format))
{
}

ParameterBinding::~ParameterBinding() = default;

SpeedUnits ParameterBinding::speedUnits() const
{
    return m_speeds->units();
}

void ParameterBinding::showSpeedsIn(SpeedUnits units)
{
    m_speeds->show(units);
}

ParameterSnapshot ParameterBinding::snapshot() const
{
    ParameterSnapshot s;
    for (const ParameterDescriptor &d : parameterTable()) {
        const ParameterControl &c = m_controls.parameters[d.index];
        ControlValue &v = s[d.index];
        switch (d.kind) {
        case ParameterKind::Decimal:
        case ParameterKind::Whole:
        case ParameterKind::LevelCount:
            v.text = m_speeds->holds(d.index) ? m_speeds->controllerText(d.index) : c.edit->text();
            break;
        case ParameterKind::Flag:
            v.number = c.checkBox->isChecked() ? 1 : 0;
            break;
        case ParameterKind::TwoWay:
            v.number = c.second->isChecked() ? 1 : 0;
            break;
        case ParameterKind::Choice:
            v.number = c.radioGroup->itemIndex();
            break;
        case ParameterKind::Slider:
            v.number = c.slider->value();
            break;
        case ParameterKind::Fixed:
            break;
        }
    }
    s.limitMaxSpeed = m_controls.limitMaxSpeed->isChecked();
    return s;
}

void ParameterBinding::apply(const ControlAssignment &assignment)
{
    if (assignment.index < 0 || assignment.index >= kProtocolItemCount)
        return;
    const ParameterDescriptor &d = parameterAt(assignment.index);
    const ParameterControl &c = m_controls.parameters[d.index];
    const ControlValue &v = assignment.value;
    switch (d.kind) {
    case ParameterKind::Decimal:
    case ParameterKind::Whole:
        if (m_speeds->holds(d.index))
            m_speeds->setControllerText(d.index, v.text);
        else
            c.edit->setText(v.text); // no exit rule: stays as given
        break;
    case ParameterKind::LevelCount:
        c.edit->setText(v.text); // may lie outside 1..9
        m_controls.levelUpDown->syncWithBuddy();
        m_levelRule();
        break;
    case ParameterKind::Flag:
        // toggled fires only on a real change, which runs the group switch.
        c.checkBox->setChecked(v.number != 0);
        break;
    case ParameterKind::TwoWay:
        (v.number != 0 ? c.second : c.first)->setChecked(true);
        (v.number != 0 ? c.first : c.second)->setChecked(false);
        break;
    case ParameterKind::Choice:
        c.radioGroup->setItemIndex(v.number);
        break;
    case ParameterKind::Slider:
        c.slider->setValue(v.number); // clamped into the range
        break;
    case ParameterKind::Fixed:
        break;
    }
}

void ParameterBinding::applyLimitMaxSpeed(bool ticked)
{
    m_controls.limitMaxSpeed->setChecked(ticked);
}

void ParameterBinding::watchChanges(QObject *context, const std::function<void()> &changed) const
{
    for (const ParameterControl &c : m_controls.parameters) {
        if (c.edit)
            QObject::connect(c.edit, &QLineEdit::textChanged, context, changed);
        if (c.checkBox)
            QObject::connect(c.checkBox, &QCheckBox::toggled, context, changed);
        if (c.second)
            QObject::connect(c.second, &QRadioButton::toggled, context, changed);
        for (int i = 0; c.radioGroup && i < c.radioGroup->count(); ++i)
            QObject::connect(c.radioGroup->button(i), &QRadioButton::toggled, context, changed);
        if (c.slider)
            QObject::connect(c.slider, &QSlider::valueChanged, context, changed);
    }
    QObject::connect(m_controls.limitMaxSpeed, &QCheckBox::toggled, context, changed);
}

} // namespace vexlor
