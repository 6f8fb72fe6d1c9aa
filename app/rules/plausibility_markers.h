#pragma once

#include "pages/window_controls.h"

#include "params/number_text.h"

#include <QHash>
#include <QObject>

class QLabel;
class QLineEdit;

namespace vexlor {

class ParameterBinding;

// The small warning sign on the top right corner of each field whose value a
// plausibility rule warns of (the field's value or the one its limit
// names): the warning as the sign's tooltip and accessible description, the
// field's own tooltip left alone. The signs follow every change of the window's values, typed,
// read or opened; while a text is no number they stay as they were.
class PlausibilityMarkers : public QObject {
    Q_OBJECT
public:
    PlausibilityMarkers(const WindowControls &controls, const ParameterBinding &binding,
                        NumberFormat format, QObject *parent = nullptr);

    // The sign beside the field of protocol index `index`; nullptr for a
    // field no warning has named yet.
    [[nodiscard]] QLabel *marker(int index) const;

    // Runs the rules over the window's values and sets the signs.
    void refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    [[nodiscard]] QLabel *markerFor(int index);
    void show(int index, const QString &warnings);
    static void place(QLabel *marker, const QLineEdit *field);

    WindowControls m_controls;
    const ParameterBinding &m_binding;
    const NumberFormat m_format;
    QHash<int, QLabel *> m_markers; // by protocol index, made when first needed
};

} // namespace vexlor
