#pragma once

#include "params/parameter_table.h"

#include <QString>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;
class QWidget;

namespace vexlor {

class RadioGroup;
struct ParameterDescriptor;

// One parameter's control, typed by its kind; the members of other kinds stay null.
struct ParameterControl {
    QLineEdit *edit = nullptr;         // Decimal, Whole, LevelCount
    QCheckBox *checkBox = nullptr;     // Flag
    QRadioButton *first = nullptr;     // TwoWay: the button that stands for 0
    QRadioButton *second = nullptr;    // TwoWay: the button that stands for 1
    RadioGroup *radioGroup = nullptr;  // Choice
    QSlider *slider = nullptr;         // Slider
    QLabel *unit = nullptr;            // an edit's unit at its right, where it has one
};

// Every parameter's control by protocol index, as the factories built them;
// fixed items have none.
using ParameterControls = std::array<ParameterControl, kProtocolItemCount>;

// Factories for the parameter controls. Each takes the parameter's name
// ("MaxBatteryCurrent"), finds its row in the parameter table, builds the
// control with the row's object name, caption, unit, options and initial
// value, so the window never repeats what the table holds, and enters it in
// `controls` at the row's index. Captions label their control
// (QLabel::setBuddy and the accessible name) so tests and screen readers find
// a field by its caption.

// The table row of a parameter; a name without a row is a programming error.
[[nodiscard]] const ParameterDescriptor &descriptorOf(const char *parameter);

// An edit with its caption at the left and its unit at the right; caption and
// unit are null where the row has none.
struct LabeledField {
    QLabel *caption = nullptr;
    QLineEdit *edit = nullptr;
    QLabel *unit = nullptr;
};
[[nodiscard]] LabeledField makeLabeledField(ParameterControls &controls, const char *parameter,
                                              int editWidth, QWidget *parent);

[[nodiscard]] QCheckBox *makeCheckBox(ParameterControls &controls, const char *parameter,
                                      QWidget *parent);

// Two radio buttons of which exactly one is selected, with the caption before them.
struct RadioPair {
    QLabel *caption = nullptr;
    QRadioButton *first = nullptr;
    QRadioButton *second = nullptr;
};
[[nodiscard]] RadioPair makeRadioPair(ParameterControls &controls, const char *parameter,
                                      QWidget *parent);

// A horizontal track bar with a tick below every position, and its caption.
struct TrackBar {
    QLabel *caption = nullptr;
    QSlider *slider = nullptr;
};
[[nodiscard]] TrackBar makeTrackBar(ParameterControls &controls, const char *parameter,
                                    QWidget *parent);

[[nodiscard]] RadioGroup *makeRadioGroup(ParameterControls &controls, const char *parameter,
                                         QWidget *parent);

// A plain label whose text is exactly `text` (captions keep their trailing blank).
[[nodiscard]] QLabel *makeLabel(const QString &text, QWidget *parent);

} // namespace vexlor
