#pragma once

// What a fixed-size window must never show: a widget sticking out of the room
// its parent gives it (inside a group: within the group's frame), two widgets
// overlapping, a text cut short. Texts are measured as they are drawn: with
// the widget's font, inside the rectangle its style leaves for the text (a
// label's contents rectangle less its margin and indent, a check box's or
// radio button's beside its indicator), placed by the label's alignment, so a
// right-aligned caption's trailing blank pushes its first letter out.

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QToolButton>
#include <QWidget>

// The part of `parent` its children may cover: inside a group's frame, below its title.
inline QRect roomFor(const QWidget *parent)
{
    return qobject_cast<const QGroupBox *>(parent) ? parent->contentsRect() : parent->rect();
}

// Whether a one-line `text`, placed in `room` as `alignment` places it, shows
// its visible letters whole. Blanks at its end take their room where they are
// drawn (they push a right-aligned text to the left) but may fall outside.
inline bool showsWhole(const QString &text, const QFontMetrics &metrics, int room, Qt::Alignment alignment)
{
    QString shown = text;
    while (shown.endsWith(u' '))
        shown.chop(1);
    const int full = metrics.horizontalAdvance(text);
    int start = 0;
    if (alignment & Qt::AlignRight)
        start = room - full;
    else if (alignment & Qt::AlignHCenter)
        start = (room - full) / 2;
    return start >= 0 && start + metrics.horizontalAdvance(shown) <= room;
}

// The width a label leaves for its text: its contents less margin and indent.
inline int textRoom(const QLabel *label)
{
    int indent = label->indent();
    if (indent < 0) // as QLabel reckons it: half an "x" inside a frame, else none
        indent = label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance(u'x') / 2 : 0;
    const bool indented = label->alignment() & (Qt::AlignLeft | Qt::AlignRight);
    return label->contentsRect().width() - 2 * label->margin() - (indented ? indent : 0);
}

// The text a label draws: with a buddy, its '&' marks the access letter and
// is not drawn ("&&" draws one).
inline QString shownLabelText(const QLabel *label)
{
    if (!label->buddy())
        return label->text();
    QString shown;
    const QString text = label->text();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

// Why `label`, showing `text`, cuts it short; empty when it shows it whole.
// A label that wraps needs room for its longest word and for all its lines.
inline QString labelTextFault(const QLabel *label, const QString &text)
{
    const QFontMetrics metrics = label->fontMetrics();
    const int room = textRoom(label);
    if (!label->wordWrap()) {
        if (!showsWhole(text, metrics, room, label->alignment()))
            return QStringLiteral(" cuts its text \"%1\" (%2 of %3 pixels)")
                .arg(text).arg(room).arg(metrics.horizontalAdvance(text));
        return {};
    }
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (room < metrics.horizontalAdvance(word))
            return QStringLiteral(" is too narrow for the word ") + word;
    }
    if (label->height() < label->heightForWidth(label->width()))
        return QStringLiteral(" is too low for its lines ") + text;
    return {};
}

// Why a check box or radio button cuts its text short; empty when it does not.
inline QString buttonTextFault(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool check = qobject_cast<const QCheckBox *>(button);
    if (!check && !qobject_cast<const QRadioButton *>(button))
        return {};
    const QRect text = button->style()->subElementRect(
        check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option, button);
    const int needed = button->fontMetrics().horizontalAdvance(QString(button->text()).remove(u'&'));
    if (text.width() < needed || text.right() > button->rect().right())
        return QStringLiteral(" leaves %1 of %2 pixels beside its indicator for ").arg(text.width()).arg(needed)
            + button->text();
    return {};
}

// Reports every widget under `root` that sticks out of the room its parent
// gives it, hides another of its siblings, or shows less than its text needs;
// one line each, none when all is well.
inline QStringList layoutFaults(QWidget *root)
{
    QStringList faults;
    const auto children = root->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QList<QWidget *> shown;
    for (QWidget *w : children) {
        if (w->isVisible() && !w->isWindow())
            shown << w;
    }
    for (QWidget *w : shown) {
        const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                        : w->objectName();
        if (!roomFor(root).contains(w->geometry()))
            faults << name + QStringLiteral(" sticks out of ") + root->objectName()
                + QStringLiteral(": %1,%2 %3x%4 beyond its room %5,%6 %7x%8")
                      .arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height())
                      .arg(roomFor(root).x()).arg(roomFor(root).y())
                      .arg(roomFor(root).width()).arg(roomFor(root).height());
        if (auto *label = qobject_cast<QLabel *>(w); label && label->pixmap().isNull()) {
            if (const QString fault = labelTextFault(label, shownLabelText(label)); !fault.isEmpty())
                faults << name + fault;
        }
        if (auto *group = qobject_cast<QGroupBox *>(w);
            group && w->width() < group->fontMetrics().horizontalAdvance(group->title()) + 20)
            faults << name + QStringLiteral(" is too narrow for its title ") + group->title();
        if (auto *button = qobject_cast<QAbstractButton *>(w); button && !qobject_cast<QToolButton *>(w)) {
            if (w->width() < w->sizeHint().width())
                faults << name + QStringLiteral(" is too narrow for its text ") + button->text();
            if (const QString fault = buttonTextFault(button); !fault.isEmpty())
                faults << name + fault;
        }
        if (QLayout *layout = w->layout()) {
            // Widths with the widget's own margins (a group's frame), where
            // translations push; heights of the rows alone.
            const QSize needed(layout->totalMinimumSize().width(), layout->minimumSize().height());
            if (w->width() < needed.width() || w->height() < needed.height())
                faults << name + QStringLiteral(" is too small for its contents: %1 x %2 < %3 x %4")
                    .arg(w->width()).arg(w->height()).arg(needed.width()).arg(needed.height());
        }
        for (QWidget *other : shown) {
            if (other != w && w->geometry().intersects(other->geometry()))
                faults << name + QStringLiteral(" overlaps ") + other->objectName()
                    + QString::fromLatin1(other->metaObject()->className());
        }
        faults << layoutFaults(w);
    }
    return faults;
}
