#include "input_rules.h"

#include "range_rules.h"
#include "wheel_perimeter.h"
#include "dialogs/message_boxes.h"
#include "pages/up_down.h"

#include "params/parameter_table.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>

namespace vexlor {
namespace {

const QColor kDisabledGroupText(128, 128, 128);

// A disabled group's caption and everything in it take the grey text colour;
// an enabled one goes back to the window's own text colour.
void showGroupTextColour(QGroupBox *group, bool enabled)
{
    if (enabled) {
        group->setPalette(QPalette()); // inherit the window text colour again
        return;
    }
    QPalette palette = group->palette();
    for (auto colourGroup : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(colourGroup, role, kDisabledGroupText);
    }
    group->setPalette(palette);
}

} // namespace

InputRules::InputRules(const WindowControls &controls, MessageBoxes &boxes,
                       NumberFormat format, QObject *parent)
    : QObject(parent), m_controls(controls), m_boxes(boxes), m_format(format)
{
    for (const GroupSwitch &s : m_controls.groupSwitches)
        connect(s.box, &QCheckBox::toggled, this, [this, box = s.box] { applyGroupSwitch(box); });

    connect(m_controls.levelUpDown, &UpDown::clicked, this, &InputRules::applyLevelRule);

    for (const ParameterDescriptor &d : parameterTable()) {
        if (!d.hasRangeRule())
            continue;
        m_ruledFields.push_back({m_controls.field(d.index), &d});
        m_controls.field(d.index)->installEventFilter(this);
    }
    // A field left for the menu bar gets no second focus-out: its rule runs
    // when the focus arrives at the next control, wherever it came from.
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { onFocusChanged(now); });

    // activated, not currentIndexChanged: a selection made from code fires nothing.
    connect(m_controls.wheelSize, &QComboBox::activated, this, &InputRules::applyWheelSize);
}

void InputRules::applyGroupSwitch(QCheckBox *box)
{
    for (const GroupSwitch &s : m_controls.groupSwitches) {
        if (s.box != box)
            continue;
        s.group->setEnabled(box->isChecked());
        // The group's own enabled flag, read back, decides the colour.
        showGroupTextColour(s.group, s.group->isEnabledTo(s.group->parentWidget()));
    }
}

void InputRules::applyLevelRule()
{
    const int levels = m_controls.levelUpDown->position();
    // Level 1 is always editable; levels 2..9 follow the count.
    for (int level = 2; level <= kLevelLimitCount; ++level)
        m_controls.levelField(level)->setEnabled(true);
    for (int level = kLevelLimitCount; level >= 2; --level) {
        if (levels < level)
            m_controls.levelField(level)->setEnabled(false);
    }
}

bool InputRules::applyRangeRule(QLineEdit *field)
{
    const ParameterDescriptor *parameter = rangeRuleOf(field);
    if (!parameter)
        return true;
    const RangeOutcome outcome = vexlor::applyRangeRule(*parameter, field->text(),
                                                        m_controls.startVoltage()->text(), m_format);
    if (outcome.text != field->text())
        field->setText(outcome.text);
    if (!outcome.error.isEmpty()) {
        m_boxes.standardError(outcome.error);
        return false;
    }
    return true;
}

void InputRules::applyWheelSize(int index)
{
    const int perimeter = wheelPerimeterMillimetres(index);
    if (perimeter >= 0)
        m_controls.perimeter()->setText(QString::number(perimeter));
}

bool InputRules::leavesForAnotherControl(const QWidget *field, const QFocusEvent &event)
{
    switch (event.reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::OtherFocusReason: // e.g. the page holding the field was switched away
        break;
    default: // popup, menu bar, shortcut, another window activated
        return false;
    }
    // During the focus-out event the application already names the new focus.
    const QWidget *next = QApplication::focusWidget();
    return next && next != field && next->window() == field->window();
}

bool InputRules::applyPendingRules()
{
    bool ok = true;
    if (QLineEdit *pending = m_pendingField) {
        m_pendingField.clear();
        ok = applyRangeRule(pending);
    }
    auto *focused = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    if (ok && focused && rangeRuleOf(focused))
        ok = applyRangeRule(focused);
    return ok;
}

const ParameterDescriptor *InputRules::rangeRuleOf(const QWidget *widget) const
{
    for (const RuledField &ruled : m_ruledFields) {
        if (ruled.field == widget)
            return ruled.parameter;
    }
    return nullptr;
}

void InputRules::onFocusChanged(QWidget *now)
{
    QLineEdit *pending = m_pendingField;
    if (!pending || !now)
        return; // nothing owed, or the focus left the application for now
    if (now == pending) {
        m_pendingField.clear(); // back in the field: its own exit decides
        return;
    }
    // The menu bar and the menus' popups are no control of the window.
    if (now->window() != pending->window() || qobject_cast<QMenuBar *>(now))
        return;
    m_pendingField.clear();
    applyRangeRule(pending);
}

bool InputRules::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        auto *field = qobject_cast<QLineEdit *>(watched);
        if (field) {
            if (leavesForAnotherControl(field, *static_cast<QFocusEvent *>(event)))
                applyRangeRule(field);
            else
                m_pendingField = field;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vexlor
