#include "input_rules.h"

#include "find_control.h"
#include "message_boxes.h"
#include "range_rules.h"
#include "up_down.h"
#include "wheel_perimeter.h"

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

// Governing check box and the group it switches.
constexpr std::array<std::pair<const char *, const char *>, 3> kGroupSwitches = {{
    {"CheckBox1", "GroupBox1"}, // Use throttle -> Throttle functions
    {"CheckBox2", "GroupBox2"}, // Use pedal speed sensor -> Pedal speed sensor functions
    {"CheckBox7", "GroupBox4"}, // Limit max speed -> Speed limit parameters
}};

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

InputRules::InputRules(QWidget *window, MessageBoxes &boxes, QObject *parent)
    : QObject(parent), m_boxes(boxes), m_format(NumberFormat::fromLocale())
{
    for (size_t i = 0; i < kGroupSwitches.size(); ++i) {
        auto &s = m_groupSwitches[i];
        s.box = requireControl<QCheckBox>(window, kGroupSwitches[i].first);
        s.group = requireControl<QGroupBox>(window, kGroupSwitches[i].second);
        connect(s.box, &QCheckBox::toggled, this, [this, box = s.box] { applyGroupSwitch(box); });
    }

    m_upDown = requireControl<UpDown>(window, "UpDown1");
    connect(m_upDown, &UpDown::clicked, this, &InputRules::applyLevelRule);
    for (int level = 0; level < 9; ++level) {
        m_levelFields[level] = requireControl<QLineEdit>(
            window, parameterAt(kFirstLevelLimitIndex + level).control);
    }

    for (const RangeRule &rule : rangeRules())
        requireControl<QLineEdit>(window, rule.control)->installEventFilter(this);
    // A field left for the menu bar gets no second focus-out: its rule runs
    // when the focus arrives at the next control, wherever it came from.
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { onFocusChanged(now); });
    m_startVoltage = requireControl<QLineEdit>(window, kStartVoltageControl);

    m_perimeter = requireControl<QLineEdit>(window, "Edit9");
    m_wheelSize = requireControl<QComboBox>(window, "ComboBox1");
    // activated, not currentIndexChanged: a selection made from code fires nothing.
    connect(m_wheelSize, &QComboBox::activated, this, &InputRules::applyWheelSize);
}

void InputRules::applyGroupSwitch(QCheckBox *box)
{
    for (const auto &s : m_groupSwitches) {
        if (s.box != box)
            continue;
        s.group->setEnabled(box->isChecked());
        // The group's own enabled flag, read back, decides the colour.
        showGroupTextColour(s.group, s.group->isEnabledTo(s.group->parentWidget()));
    }
}

void InputRules::applyLevelRule()
{
    const int levels = m_upDown->position();
    // Level 1 is always editable; levels 2..9 follow the count.
    for (int level = 2; level <= 9; ++level)
        m_levelFields[level - 1]->setEnabled(true);
    for (int level = 9; level >= 2; --level) {
        if (levels < level)
            m_levelFields[level - 1]->setEnabled(false);
    }
}

bool InputRules::applyRangeRule(QLineEdit *field)
{
    const RangeRule *rule = rangeRuleFor(field->objectName());
    if (!rule)
        return true;
    const RangeOutcome outcome =
        vexlor::applyRangeRule(*rule, field->text(), m_startVoltage->text(), m_format);
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
        m_perimeter->setText(QString::number(perimeter));
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
    if (ok && focused && hasRangeRule(focused))
        ok = applyRangeRule(focused);
    return ok;
}

bool InputRules::hasRangeRule(const QWidget *widget) const
{
    return widget && widget->window() == m_perimeter->window()
        && rangeRuleFor(widget->objectName()) != nullptr;
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
