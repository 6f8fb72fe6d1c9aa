#include "window_layout.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QWindow>

namespace {

QString menuText(const QMenu &menu)
{
    QStringList entries;
    for (const QAction *action : menu.actions()) {
        if (action->isSeparator())
            entries << QStringLiteral("-");
        else
            entries << action->text() + u'\t' + action->shortcut().toString() + (action->isEnabled() ? "" : " (off)");
    }
    return menu.title() + QStringLiteral(": ") + entries.join(QStringLiteral(" | "));
}

// What a widget says, for the kinds the window uses.
QString saying(const QWidget &widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(&widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(&widget))
        return button->text() + (button->isCheckable() && button->isChecked() ? " [x]" : "");
    if (const auto *group = qobject_cast<const QGroupBox *>(&widget))
        return group->title();
    if (const auto *edit = qobject_cast<const QLineEdit *>(&widget))
        return edit->text();
    if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(&widget))
        return spin->text();
    if (const auto *slider = qobject_cast<const QAbstractSlider *>(&widget))
        return QString::number(slider->value());
    if (const auto *bar = qobject_cast<const QProgressBar *>(&widget))
        return QString::number(bar->value());
    if (const auto *combo = qobject_cast<const QComboBox *>(&widget)) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return combo->currentText() + QStringLiteral(" of ") + items.join(u'|');
    }
    if (const auto *tabs = qobject_cast<const QTabWidget *>(&widget)) {
        QStringList pages;
        for (int i = 0; i < tabs->count(); ++i)
            pages << tabs->tabText(i);
        return pages.join(u'|');
    }
    if (const auto *menu = qobject_cast<const QMenu *>(&widget))
        return menuText(*menu);
    return {};
}

} // namespace

QString shownTitle(const QWidget &window)
{
    const QWindow *handle = window.windowHandle();
    return handle ? handle->title() : window.windowTitle();
}

QString windowLayout(const QWidget &window)
{
    QString text = QStringLiteral("window %1x%2 \"%3\"\n")
                       .arg(window.width())
                       .arg(window.height())
                       .arg(shownTitle(window));
    const QList<QWidget *> widgets = window.findChildren<QWidget *>();
    for (const QWidget *widget : widgets) {
        // Named controls, and the captions that name fields (no name of their own).
        const QString says = saying(*widget);
        const QString name = widget->objectName().isEmpty() ? QStringLiteral("-") : widget->objectName();
        if ((name == u'-' && says.isEmpty()) || name.startsWith(QLatin1String("qt_")))
            continue;
        // A menu is a window of its own, placed when it opens.
        const QRect box = widget->isWindow() ? QRect()
                                             : QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size());
        text += QStringLiteral("%1 %2 %3,%4 %5x%6 %7%8 \"%9\"\n")
                    .arg(name, QString::fromLatin1(widget->metaObject()->className()))
                    .arg(box.x())
                    .arg(box.y())
                    .arg(box.width())
                    .arg(box.height())
                    .arg(widget->isVisibleTo(&window) ? QStringLiteral("shown") : QStringLiteral("hidden"))
                    .arg(widget->isEnabled() ? QString() : QStringLiteral(" off"))
                    .arg(says);
    }
    return text;
}
