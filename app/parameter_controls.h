#pragma once

#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;
class QWidget;

namespace vexlor {

class RadioGroup;
struct ParameterDescriptor;

// Factories for the parameter controls. Each takes the control's object name,
// finds its row in the parameter table and builds the control with the row's
// caption, unit, options and initial value, so the window never repeats what
// the table holds. Captions label their control (QLabel::setBuddy and the
// accessible name) so tests and screen readers find a field by its caption.

// The table row of a control; a name without a row is a programming error.
[[nodiscard]] const ParameterDescriptor &descriptorOf(const char *control);

// An edit with its caption at the left and its unit at the right; caption and
// unit are null where the row has none.
struct LabeledField {
    QLabel *caption = nullptr;
    QLineEdit *edit = nullptr;
    QLabel *unit = nullptr;
};
[[nodiscard]] LabeledField makeLabeledField(const char *control, int editWidth, QWidget *parent);

[[nodiscard]] QCheckBox *makeCheckBox(const char *control, QWidget *parent);

// Two radio buttons of which exactly one is selected, with the caption before them.
struct RadioPair {
    QLabel *caption = nullptr;
    QRadioButton *first = nullptr;
    QRadioButton *second = nullptr;
};
[[nodiscard]] RadioPair makeRadioPair(const char *firstControl, QWidget *parent);

// A horizontal track bar with a tick below every position, and its caption.
struct TrackBar {
    QLabel *caption = nullptr;
    QSlider *slider = nullptr;
};
[[nodiscard]] TrackBar makeTrackBar(const char *control, QWidget *parent);

[[nodiscard]] RadioGroup *makeRadioGroup(const char *control, QWidget *parent);

// A plain label whose text is exactly `text` (captions keep their trailing blank).
[[nodiscard]] QLabel *makeLabel(const QString &text, QWidget *parent);

} // namespace vexlor
