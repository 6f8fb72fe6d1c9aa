#include "parameter_controls.h"

#include "params/parameter_table.h"
#include "translation.h"
#include "radio_group.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

namespace vexlor {
namespace {

// Object names and default texts, never translated.
QString text(const char *latin)
{
    return QString::fromLatin1(latin);
}

void labelWith(QLabel *label, QWidget *control)
{
    label->setBuddy(control);
    control->setAccessibleName(label->text().trimmed());
}

} // namespace

const ParameterDescriptor &descriptorOf(const char *parameter)
{
    const ParameterDescriptor *d = parameterByName(parameter);
    if (!d)
        qFatal("no parameter row for %s", parameter);
    return *d;
}

QLabel *makeLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

LabeledField makeLabeledField(ParameterControls &controls, const char *parameter, int editWidth,
                              QWidget *parent)
{
    const ParameterDescriptor &d = descriptorOf(parameter);
    LabeledField f;
    f.edit = new QLineEdit(text(d.defaultText), parent);
    controls[d.index].edit = f.edit;
    f.edit->setObjectName(text(d.control));
    f.edit->setFixedWidth(editWidth);
    if (*d.caption) {
        f.caption = makeLabel(parameterText(d.caption), parent);
        f.caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        labelWith(f.caption, f.edit);
    }
    if (*d.unit) {
        f.unit = makeLabel(parameterText(d.unit), parent);
        controls[d.index].unit = f.unit;
        if (!f.caption) // a field without a caption is known by the words after it
            labelWith(f.unit, f.edit);
    }
    return f;
}

QCheckBox *makeCheckBox(ParameterControls &controls, const char *parameter, QWidget *parent)
{
    const ParameterDescriptor &d = descriptorOf(parameter);
    auto *box = new QCheckBox(parameterText(d.caption), parent);
    controls[d.index].checkBox = box;
    box->setObjectName(text(d.control));
    box->setChecked(d.defaultNumber != 0);
    return box;
}

RadioPair makeRadioPair(ParameterControls &controls, const char *parameter, QWidget *parent)
{
    const ParameterDescriptor &d = descriptorOf(parameter);
    RadioPair p;
    p.caption = makeLabel(parameterText(d.caption), parent);
    p.first = new QRadioButton(parameterText(d.options[0]), parent);
    p.first->setObjectName(text(d.control));
    p.second = new QRadioButton(parameterText(d.options[1]), parent);
    p.second->setObjectName(text(d.secondControl));
    // Each pair is exclusive on its own, whatever else shares its parent.
    auto *group = new QButtonGroup(parent);
    group->addButton(p.first, 0);
    group->addButton(p.second, 1);
    (d.defaultNumber ? p.second : p.first)->setChecked(true);
    p.caption->setBuddy(p.first);
    controls[d.index].first = p.first;
    controls[d.index].second = p.second;
    return p;
}

TrackBar makeTrackBar(ParameterControls &controls, const char *parameter, QWidget *parent)
{
    const ParameterDescriptor &d = descriptorOf(parameter);
    TrackBar t;
    t.slider = new QSlider(Qt::Horizontal, parent);
    controls[d.index].slider = t.slider;
    t.slider->setObjectName(text(d.control));
    t.slider->setRange(d.minimum, d.maximum);
    t.slider->setSingleStep(1);
    t.slider->setPageStep(1);
    t.slider->setTickInterval(1);
    t.slider->setTickPosition(QSlider::TicksBelow);
    t.slider->setValue(d.defaultNumber);
    t.slider->setMinimumHeight(26); // room for the ticks below the groove
    t.caption = makeLabel(parameterText(d.caption), parent);
    labelWith(t.caption, t.slider);
    return t;
}

RadioGroup *makeRadioGroup(ParameterControls &controls, const char *parameter, QWidget *parent)
{
    const ParameterDescriptor &d = descriptorOf(parameter);
    QStringList items;
    for (int i = 0; i < d.optionCount; ++i)
        items << parameterText(d.options[i]);
    auto *group = new RadioGroup(parameterText(d.caption), items, parent);
    group->setObjectName(text(d.control));
    group->setItemIndex(d.defaultNumber);
    controls[d.index].radioGroup = group;
    return group;
}

} // namespace vexlor
