#include "radio_group.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vexlor {

RadioGroup::RadioGroup(const QString &title, const QStringList &items, QWidget *parent)
    : QGroupBox(title, parent), m_buttons(new QButtonGroup(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 2, 4, 4);
    layout->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        m_buttons->addButton(button, i);
        layout->addWidget(button);
    }
    layout->addStretch();
}

int RadioGroup::itemIndex() const
{
    return m_buttons->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (count() == 0)
        return;
    if (index < 0) {
        // An exclusive group refuses to clear its last checked button.
        m_buttons->setExclusive(false);
        for (auto *b : m_buttons->buttons())
            b->setChecked(false);
        m_buttons->setExclusive(true);
        return;
    }
    button(std::min(index, count() - 1))->setChecked(true);
}

int RadioGroup::count() const
{
    return int(m_buttons->buttons().size());
}

QRadioButton *RadioGroup::button(int index) const
{
    return qobject_cast<QRadioButton *>(m_buttons->button(index));
}

} // namespace vexlor
