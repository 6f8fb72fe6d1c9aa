#include "field_explanations.h"

#include "params/parameter_explanation.h"
#include "radio_group.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTextDocument>

namespace vexlor {
namespace {

// The widgets a parameter's control is made of; null ones left out.
QList<QWidget *> widgetsOf(const ParameterControl &c)
{
    QList<QWidget *> widgets{c.edit, c.checkBox, c.first, c.second, c.radioGroup, c.slider};
    if (c.radioGroup) {
        for (int i = 0; i < c.radioGroup->count(); ++i)
            widgets << c.radioGroup->button(i);
    }
    widgets.removeAll(nullptr);
    return widgets;
}

} // namespace

void explainField(const ParameterControl &control, const ParameterDescriptor &d, NumberFormat format,
                  SpeedUnits units)
{
    // As rich text, so a tip wraps its long lines instead of running
    // across the screen; each line of the explanation stays a line.
    const QString plain = explainParameter(d, format, units);
    const QString text = Qt::convertFromPlainText(plain, Qt::WhiteSpaceNormal);
    for (QWidget *w : widgetsOf(control)) {
        w->setToolTip(text);
        w->setWhatsThis(text);
        // A screen reader takes the tip for a control without a description
        // of its own (a bare count, a tick box): the words, not the markup.
        if (w->accessibleDescription().isEmpty())
            w->setAccessibleDescription(plain);
    }
}

void explainFields(const WindowControls &controls, NumberFormat format)
{
    for (const ParameterDescriptor *d : storedParameters())
        explainField(controls.parameters[d->index], *d, format, SpeedUnits::Metric);
}

} // namespace vexlor
