#include "speed_fields.h"

#include "field_descriptions.h"
#include "field_explanations.h"

#include "basics/window_texts.h"
#include "params/parameter_codec.h"

#include <QLabel>
#include <QLineEdit>

namespace vexlor {

SpeedFields::SpeedFields(const WindowControls &controls, NumberFormat format, QObject *parent)
    : QObject(parent), m_format(format)
{
    for (const ParameterDescriptor &d : parameterTable()) {
        const ParameterControl &c = controls.parameters[d.index];
        if (!measuresSpeed(d) || !c.edit)
            continue;
        m_fields.push_back({d.index, c.edit, c.unit, &c, {}, {}});
    }
    for (Field &field : m_fields) {
        // Only the user's own edits are converted; leaving an unedited field changes nothing.
        connect(field.edit, &QLineEdit::editingFinished, this, [this, index = field.index] {
            for (Field &f : m_fields) {
                if (f.index == index)
                    settle(f);
            }
        });
    }
}

void SpeedFields::show(SpeedUnits units)
{
    if (units == m_units)
        return;
    std::vector<QString> texts;
    for (const Field &field : m_fields)
        texts.push_back(controllerText(field.index));
    m_units = units;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        setControllerText(m_fields[i].index, texts[i]);
        describe(m_fields[i]);
    }
}

QString SpeedFields::controllerText(int index) const
{
    const Field *field = find(index);
    if (!field)
        return {};
    if (m_units == SpeedUnits::Metric)
        return field->edit->text();
    return field->edit->text() == field->shown ? field->stored : converted(*field);
}

void SpeedFields::setControllerText(int index, const QString &text)
{
    for (Field &field : m_fields) {
        if (field.index != index)
            continue;
        field.stored = text;
        field.shown = m_units == SpeedUnits::Metric ? text : shownFor(index, text);
        field.edit->setText(field.shown);
    }
}

const SpeedFields::Field *SpeedFields::find(int index) const
{
    for (const Field &field : m_fields) {
        if (field.index == index)
            return &field;
    }
    return nullptr;
}

QString SpeedFields::converted(const Field &field) const
{
    const std::optional<int> tenths = tenthsFromMphText(field.edit->text(), m_format);
    return tenths ? speedNumberText(*tenths, m_format, SpeedUnits::Metric) : field.edit->text();
}

QString SpeedFields::shownFor(int index, const QString &stored) const
{
    // The value the controller receives for the text, as a write encodes it.
    ParameterSnapshot snapshot = ParameterSnapshot::initial();
    snapshot[index].text = stored;
    snapshot.limitMaxSpeed = true;
    const EncodedValue sent = encodeParameter(index, snapshot, m_format);
    return sent.ok() ? mphText(sent.value, m_format) : stored;
}

void SpeedFields::settle(Field &field)
{
    if (m_units == SpeedUnits::Metric || field.edit->text() == field.shown)
        return;
    setControllerText(field.index, converted(field));
}

void SpeedFields::describe(const Field &field)
{
    const bool imperial = m_units == SpeedUnits::Imperial;
    if (field.unit)
        field.unit->setText(speedUnitText(m_units));
    explainField(*field.control, parameterAt(field.index), m_format, m_units);
    //: a speed field's description for screen readers in imperial units: %1 the most the
    //: controller holds, "4072.16"
    field.edit->setAccessibleDescription(
        imperial ? WindowTexts::tr("miles per hour, at most %1").arg(mphText(kLargestSpeedTenths, m_format))
                 : spokenUnit("km/h"));
}

} // namespace vexlor
