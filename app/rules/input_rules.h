#pragma once

#include "pages/window_controls.h"

#include "params/number_text.h"

#include <QObject>
#include <QPointer>

#include <vector>

class QCheckBox;
class QFocusEvent;
class QLineEdit;
class QWidget;

namespace vexlor {

class MessageBoxes;
struct ParameterDescriptor;

// The rules that keep the window's controls consistent while the user edits:
// governing check boxes switch their groups, the level count enables the
// level fields, some fields are bounded when the user leaves them, and the
// wheel-size list fills the perimeter. They act only on the controls and keep
// no state of their own.
class InputRules : public QObject {
    Q_OBJECT
public:
    // Attaches the rules to `controls`; the range rules read and write
    // numbers in `format`.
    InputRules(const WindowControls &controls, MessageBoxes &boxes, NumberFormat format,
               QObject *parent = nullptr);

    // A governing check box changed: enable its group if ticked, disable it if
    // clear; a disabled group's text turns grey.
    void applyGroupSwitch(QCheckBox *box);

    // Levels 1 to N editable, N + 1 to 9 disabled, N being the level
    // up-down's position taken from the level-count field's text.
    void applyLevelRule();

    // The exit rule of a field: bounds its text as the parameter table says. A
    // text that is no number goes to the standard error report and the field
    // keeps it; returns false then. Fields without a rule are left alone.
    bool applyRangeRule(QLineEdit *field);

    // The user picked a wheel size: its perimeter goes into the perimeter field.
    void applyWheelSize(int index);

    // Runs the exit rule that is still owed before a value leaves the window:
    // the rule of a field that was left for a menu, a popup or another window
    // and not yet for a control, and the rule of the field being edited now.
    // Commands that send or write the values call this first. False when a
    // rule reported a text that is no number (the command then stops).
    bool applyPendingRules();

    // True when this focus loss moves the focus to another control of the same
    // window (Tab, Shift+Tab, a click, a page change): only then does an exit
    // rule run at once. Menus, shortcuts, the tool bar and a change of the
    // active window leave the typed value as it is until the focus reaches
    // another control of the window, however it travelled.
    [[nodiscard]] static bool leavesForAnotherControl(const QWidget *field, const QFocusEvent &event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onFocusChanged(QWidget *now);
    // The parameter whose range rule bounds `widget`, or nullptr.
    [[nodiscard]] const ParameterDescriptor *rangeRuleOf(const QWidget *widget) const;

    struct RuledField {
        QLineEdit *field = nullptr;
        const ParameterDescriptor *parameter = nullptr;
    };

    WindowControls m_controls;
    MessageBoxes &m_boxes;
    const NumberFormat m_format;
    std::vector<RuledField> m_ruledFields;
    // A field left for a menu, a popup or another window whose rule has not run.
    QPointer<QLineEdit> m_pendingField;
};

} // namespace vexlor
