#include "up_down.h"

#include "params/number_text.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vexlor {

UpDown::UpDown(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const auto makeArrow = [this, layout](Qt::ArrowType arrow, int steps) {
        auto *button = new QToolButton(this);
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus); // the count belongs to the field, not to the arrows
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        connect(button, &QToolButton::clicked, this, [this, steps] { stepBy(steps); });
        layout->addWidget(button);
        return button;
    };
    m_up = makeArrow(Qt::UpArrow, +1);
    m_down = makeArrow(Qt::DownArrow, -1);
    setFixedSize(sizeHint());
}

void UpDown::setBuddy(QLineEdit *field)
{
    if (m_buddy)
        m_buddy->removeEventFilter(this);
    m_buddy = field;
    if (m_buddy)
        m_buddy->installEventFilter(this);
    m_lastPosition = position();
}

void UpDown::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    m_lastPosition = std::clamp(m_lastPosition, m_minimum, m_maximum);
}

int UpDown::position() const
{
    if (m_buddy) {
        if (const auto value = textToInteger(m_buddy->text()))
            return int(std::clamp<qint64>(*value, m_minimum, m_maximum));
    }
    return m_lastPosition;
}

void UpDown::stepBy(int steps)
{
    const int from = position();
    const int to = int(std::clamp<qint64>(qint64(from) + steps, m_minimum, m_maximum));
    const QString text = QString::number(to);
    m_lastPosition = to;
    if (!m_buddy || m_buddy->text() == text)
        return; // at the end already: no wrap, nothing changes
    m_buddy->setText(text);
    emit clicked();
}

QSize UpDown::sizeHint() const
{
    return {17, 21};
}

bool UpDown::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_buddy && event->type() == QEvent::KeyPress && isEnabled()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            stepBy(key->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vexlor
