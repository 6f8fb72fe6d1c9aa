#include "qt_message_boxes.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>

namespace vexlor {

QtMessageBoxes::QtMessageBoxes(QWidget *parent, QString standardCaption)
    : m_parent(parent), m_standardCaption(std::move(standardCaption))
{
}

void QtMessageBoxes::standardError(const QString &message)
{
    // Deferred to the event loop: the report often comes from inside a focus
    // change (leaving a field), which a modal box must not interrupt.
    const QString text = standardErrorText(message);
    QObject *context = m_parent ? static_cast<QObject *>(m_parent.data()) : qApp;
    QTimer::singleShot(0, context, [parent = m_parent, caption = m_standardCaption, text] {
        QMessageBox::critical(parent, caption, text);
    });
}

void QtMessageBoxes::error(const QString &caption, const QString &text)
{
    QMessageBox::critical(m_parent, caption, text);
}

void QtMessageBoxes::information(const QString &caption, const QString &text)
{
    QMessageBox::information(m_parent, caption, text);
}

bool QtMessageBoxes::question(const QString &caption, const QString &text)
{
    return QMessageBox::question(m_parent, caption, text, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

void QtMessageBoxes::showError(const QString &caption, const QString &text,
                               std::function<void()> closed)
{
    auto *box = new QMessageBox(QMessageBox::Critical, caption, text, QMessageBox::Ok, m_parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    QObject::connect(box, &QMessageBox::finished, box, [closed = std::move(closed)] {
        if (closed)
            closed();
    });
    box->show();
}

} // namespace vexlor
