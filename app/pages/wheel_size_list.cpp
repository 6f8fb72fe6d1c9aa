#include "wheel_size_list.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

namespace vexlor {
namespace {

// A drop-down list as Qt presents one, with its name kept for its name: the
// list of items as its one child, opened by its actions.
class WheelSizeListAccessible : public QAccessibleWidget {
public:
    explicit WheelSizeListAccessible(QWidget *list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    [[nodiscard]] QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(t);
    }
    [[nodiscard]] int childCount() const override { return 1; }
    [[nodiscard]] QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }
    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        s.collapsed = !s.expanded;
        return s;
    }
    [[nodiscard]] QStringList actionNames() const override
    {
        return {showMenuAction(), pressAction()};
    }
    void doAction(const QString &action) override
    {
        if (action == showMenuAction() || action == pressAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    [[nodiscard]] QComboBox *list() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *wheelSizeListFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String(WheelSizeList::staticMetaObject.className()) && object->isWidgetType())
        return new WheelSizeListAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

WheelSizeList::WheelSizeList(QWidget *parent) : QComboBox(parent)
{
    // Asked before the base classes' interfaces, being the more derived class.
    static const bool installed = [] {
        QAccessible::installFactory(wheelSizeListFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

QStringList wheelSizeItems()
{
    constexpr int inchSizeCount = 9; // 10" .. 26", two inches apart
    QStringList items;
    items << QStringLiteral("10\u2033");
    for (int i = 1; i < inchSizeCount; ++i)
        items << QString::number(10 + 2 * i) + u'"';
    items << QStringLiteral("700C") << QStringLiteral("28\"");
    return items;
}

} // namespace vexlor
