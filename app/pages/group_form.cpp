#include "group_form.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace vexlor {
namespace {

constexpr int kCaptionGap = 3; // between a caption and its field
// Between the group's frame and its rows; every group keeps the same.
constexpr QMargins kFormMargins(5, 3, 4, 4);

} // namespace

QGroupBox *makeGroup(const char *objectName, const QString &title, const QRect &geometry,
                     QWidget *page)
{
    auto *group = new QGroupBox(title, page);
    group->setObjectName(QString::fromLatin1(objectName));
    group->setGeometry(geometry);
    return group;
}

int captionRoom(const QGroupBox *group, int rest)
{
    return group->contentsRect().width() - kFormMargins.left() - kFormMargins.right() - kCaptionGap
        - rest;
}

GroupForm::GroupForm(QGroupBox *group, int captionWidth, int spacing)
    : m_group(group), m_rows(new QVBoxLayout(group)), m_captionWidth(captionWidth)
{
    m_rows->setContentsMargins(kFormMargins);
    m_rows->setSpacing(spacing);
}

void GroupForm::addField(const LabeledField &field, std::initializer_list<QWidget *> extra, int gap)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    if (field.caption || m_captionWidth > 0) {
        QWidget *caption = field.caption;
        if (!caption) // keeps a caption-less field in line with the others
            caption = new QWidget(field.edit->parentWidget());
        if (m_captionWidth > 0) {
            widenColumnFor(caption);
            caption->setFixedWidth(m_captionWidth);
            m_captions.append(caption);
        }
        row->addWidget(caption);
        row->addSpacing(kCaptionGap);
    }
    row->addWidget(field.edit);
    if (field.unit) {
        row->addSpacing(gap);
        row->addWidget(field.unit);
    }
    for (QWidget *w : extra) {
        row->addSpacing(gap);
        row->addWidget(w);
    }
    row->addStretch();
    m_rows->addLayout(row);
}

void GroupForm::widenColumnFor(QWidget *caption)
{
    // A translated caption may be wider than the one the column was measured
    // on: the column widens for every row, so the fields stay in one column
    // and no caption is cut. A caption that wraps has chosen its lines. The
    // caption is right-aligned, so its trailing blank needs its room too:
    // without it the first letter is pushed out at the left.
    auto *label = qobject_cast<QLabel *>(caption);
    if (!label || label->wordWrap())
        return;
    const int needed = label->sizeHint().width();
    if (needed <= m_captionWidth)
        return;
    m_captionWidth = needed;
    for (QWidget *earlier : std::as_const(m_captions))
        earlier->setFixedWidth(m_captionWidth);
}

void GroupForm::addRow(std::initializer_list<QWidget *> widgets, int spacing)
{
    // Where a translation makes the row wider than the group, the gaps give
    // the room first, down to a hairline.
    constexpr int kNarrowestGap = 2;
    const int gaps = int(widgets.size()) - 1;
    if (gaps > 0) {
        int needed = 0;
        for (QWidget *w : widgets)
            needed += w->sizeHint().width();
        const int room = m_group->contentsRect().width() - kFormMargins.left() - kFormMargins.right();
        if (needed + gaps * spacing > room)
            spacing = std::max(kNarrowestGap, (room - needed) / gaps);
    }
    auto *row = new QHBoxLayout;
    row->setSpacing(spacing);
    for (QWidget *w : widgets)
        row->addWidget(w);
    row->addStretch();
    m_rows->addLayout(row);
}

void GroupForm::addCaptionedRow(QWidget *caption, std::initializer_list<QWidget *> widgets)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(kCaptionGap);
    row->addWidget(caption);
    for (QWidget *w : widgets)
        row->addWidget(w, 1);
    m_rows->addLayout(row);
}

void GroupForm::addStretch()
{
    m_rows->addStretch();
}

} // namespace vexlor
