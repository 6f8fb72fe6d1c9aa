#include "field_descriptions.h"

#include "params/field_limits.h"
#include "translation.h"
#include "basics/window_texts.h"

#include <QLineEdit>
#include <QSlider>

#include <cstring>

namespace vexlor {
namespace {

// The units the table writes as symbols, spelt out for screen readers.
struct SpokenUnit {
    const char *shown;
    const char *spoken;
};
constexpr SpokenUnit kSpokenUnits[] = {
    {"A", QT_TRANSLATE_NOOP("MainWindow", "amperes")},
    {"V", QT_TRANSLATE_NOOP("MainWindow", "volts")},
    {"V,", QT_TRANSLATE_NOOP("MainWindow", "volts")},
    {"km/h", QT_TRANSLATE_NOOP("MainWindow", "kilometres per hour")},
    {"mm", QT_TRANSLATE_NOOP("MainWindow", "millimetres")},
    //: a field's unit for screen readers: "Stop after [500] ms stop pedaling"
    {"ms stop pedaling", QT_TRANSLATE_NOOP("MainWindow", "milliseconds stop pedaling")},
    {"%", QT_TRANSLATE_NOOP("MainWindow", "percent")},
    {"W", QT_TRANSLATE_NOOP("MainWindow", "watts")},
    {"rpm", QT_TRANSLATE_NOOP("MainWindow", "revolutions per minute")},
    //: a field's unit for screen readers: the reduction ratio "[8] :1", read "8 to 1"
    {":1", QT_TRANSLATE_NOOP("MainWindow", "to 1")},
    {"mOhm", QT_TRANSLATE_NOOP("MainWindow", "milliohms")},
    {"mH", QT_TRANSLATE_NOOP("MainWindow", "millihenries")},
};

QString description(const ParameterDescriptor &d, NumberFormat format)
{
    // A field without a caption is named by its unit already.
    const QString unit = *d.caption ? spokenUnit(d.unit) : QString();
    const QString range = fieldRangeText(d, format);
    if (unit.isEmpty() || range.isEmpty())
        return unit + range;
    //: a field's description for screen readers: %1 its unit, %2 its allowed range;
    //: "amperes, at most 30.0"
    return WindowTexts::tr("%1, %2").arg(unit, range);
}

} // namespace

QString spokenUnit(const char *unit)
{
    for (const SpokenUnit &u : kSpokenUnits) {
        if (std::strcmp(u.shown, unit) == 0)
            return WindowTexts::tr(u.spoken);
    }
    return *unit ? parameterText(unit) : QString();
}

void describeFields(const WindowControls &controls, NumberFormat format)
{
    for (const ParameterDescriptor *d : storedParameters()) {
        const ParameterControl &c = controls.parameters[d->index];
        if (c.edit)
            c.edit->setAccessibleDescription(description(*d, format));
        else if (c.slider)
            c.slider->setAccessibleDescription(description(*d, format));
    }
}

} // namespace vexlor
