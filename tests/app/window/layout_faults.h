#pragma once

// What a fixed-size window must never show: a widget sticking out of its
// parent, two widgets overlapping, a text cut short.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QToolButton>
#include <QWidget>

// Reports the first widget under `root` that sticks out of its parent, hides
// another of its siblings, or shows less than its text needs.
inline QString firstLayoutFault(QWidget *root)
{
    const auto children = root->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QList<QWidget *> shown;
    for (QWidget *w : children) {
        if (w->isVisible() && !w->isWindow())
            shown << w;
    }
    for (QWidget *w : shown) {
        const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                        : w->objectName();
        if (!root->rect().contains(w->geometry()))
            return name + QStringLiteral(" sticks out of ") + root->objectName();
        if (auto *label = qobject_cast<QLabel *>(w); label && label->pixmap().isNull()) {
            // A caption's trailing blank may fall outside; its visible text
            // may not. A caption that wraps needs room for its longest word
            // and for all its lines.
            const QFontMetrics metrics = label->fontMetrics();
            const QStringList words = label->wordWrap() ? label->text().split(u' ', Qt::SkipEmptyParts)
                                                        : QStringList{label->text().trimmed()};
            for (const QString &word : words) {
                if (label->width() < metrics.horizontalAdvance(word))
                    return name + QStringLiteral(" is too narrow for its text ") + label->text();
            }
            if (label->wordWrap() && label->height() < label->heightForWidth(label->width()))
                return name + QStringLiteral(" is too low for its lines ") + label->text();
        }
        if (auto *group = qobject_cast<QGroupBox *>(w);
            group && w->width() < group->fontMetrics().horizontalAdvance(group->title()) + 20)
            return name + QStringLiteral(" is too narrow for its title ") + group->title();
        auto *button = qobject_cast<QAbstractButton *>(w);
        if (button && !qobject_cast<QToolButton *>(w) && w->width() < w->sizeHint().width())
            return name + QStringLiteral(" is too narrow for its text ") + button->text();
        if (QLayout *layout = w->layout()) {
            // Widths with the widget's own margins (a group's frame), where
            // translations push; heights of the rows alone.
            const QSize needed(layout->totalMinimumSize().width(), layout->minimumSize().height());
            if (w->width() < needed.width() || w->height() < needed.height())
                return name + QStringLiteral(" is too small for its contents: %1 x %2 < %3 x %4")
                    .arg(w->width()).arg(w->height()).arg(needed.width()).arg(needed.height());
        }
        for (QWidget *other : shown) {
            if (other != w && w->geometry().intersects(other->geometry()))
                return name + QStringLiteral(" overlaps ") + other->objectName()
                    + QString::fromLatin1(other->metaObject()->className());
        }
        const QString inner = firstLayoutFault(w);
        if (!inner.isEmpty())
            return inner;
    }
    return {};
}

