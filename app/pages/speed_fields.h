#pragma once

#include "window_controls.h"

#include "params/number_text.h"
#include "params/speed_units.h"

#include <QObject>
#include <QString>

#include <vector>

class QLabel;
class QLineEdit;

namespace vexlor {

// The speed fields (the parameters whose unit is km/h) in the units the user
// chose. The controller's text, in km/h, stays what the binding reads and
// writes; in imperial a field shows the mph that text stands for. A value
// is converted only when the user edits it: then the mph typed become the
// nearest 0.1 km/h the controller holds, and the field shows the mph that
// value is. Switching units never changes a value.
class SpeedFields : public QObject {
    Q_OBJECT
public:
    // The controls must outlive the fields.
    SpeedFields(const WindowControls &controls, NumberFormat format, QObject *parent = nullptr);

    [[nodiscard]] SpeedUnits units() const { return m_units; }
    // Shows every speed field, its unit and its description in `units`.
    void show(SpeedUnits units);

    [[nodiscard]] bool holds(int index) const { return find(index) != nullptr; }
    // The field's value as the controller's text, in km/h: the text last put
    // there when the field shows it unedited, else what the user typed,
    // converted (a text that is no number stays as typed, for the write to refuse).
    [[nodiscard]] QString controllerText(int index) const;
    // Puts the controller's text (km/h) into the field, shown in the units chosen.
    void setControllerText(int index, const QString &text);

private:
    struct Field {
        int index = 0;
        QLineEdit *edit = nullptr;
        QLabel *unit = nullptr;
        const ParameterControl *control = nullptr; // for its explanation
        QString stored; // the controller's text, km/h
        QString shown;  // what the field shows for it
    };

    [[nodiscard]] const Field *find(int index) const;
    [[nodiscard]] QString converted(const Field &field) const;
    [[nodiscard]] QString shownFor(int index, const QString &stored) const;
    void settle(Field &field);
    void describe(const Field &field);

    std::vector<Field> m_fields;
    NumberFormat m_format;
    SpeedUnits m_units = SpeedUnits::Metric;
};

} // namespace vexlor
