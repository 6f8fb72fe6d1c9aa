#include "qt_message_boxes.h"

#include <QPushButton>
#include <QCoreApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

namespace vexlor {
namespace {

// Messages quote file names and file content: shown as plain text, so a
// name like "<b>x</b>.vxc" is shown as it is, never as markup.
int execBox(QWidget *parent, QMessageBox::Icon icon, const QString &caption, const QString &text,
            QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, caption, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    return box.exec();
}

} // namespace

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
        execBox(parent, QMessageBox::Critical, caption, text, QMessageBox::Ok);
    });
}

void QtMessageBoxes::error(const QString &caption, const QString &text)
{
    execBox(m_parent, QMessageBox::Critical, caption, text, QMessageBox::Ok);
}

void QtMessageBoxes::information(const QString &caption, const QString &text)
{
    execBox(m_parent, QMessageBox::Information, caption, text, QMessageBox::Ok);
}

bool QtMessageBoxes::question(const QString &caption, const QString &text)
{
    return execBox(m_parent, QMessageBox::Question, caption, text,
                   QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

std::optional<QString> QtMessageBoxes::askText(const QString &caption, const QString &label,
                                              const QString &current)
{
    bool ok = false;
    const QString text = QInputDialog::getText(m_parent, caption, label, QLineEdit::Normal, current, &ok);
    return ok ? std::optional<QString>(text) : std::nullopt;
}

SaveChoice QtMessageBoxes::askToSave(const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, caption, text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

void QtMessageBoxes::showError(const QString &caption, const QString &text,
                               std::function<void()> closed)
{
    auto *box = new QMessageBox(QMessageBox::Critical, caption, text, QMessageBox::Ok, m_parent);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    QObject::connect(box, &QMessageBox::finished, box, [closed = std::move(closed)] {
        if (closed)
            closed();
    });
    box->show();
}

bool QtMessageBoxes::errorWithOffer(const QString &caption, const QString &text, const QString &offer)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);
    const QAbstractButton *offerButton = box.addButton(offer, QMessageBox::HelpRole);
    box.exec();
    return box.clickedButton() == offerButton;
}

void QtMessageBoxes::showErrorWithOffer(const QString &caption, const QString &text,
                                        const QString &offer, std::function<void()> taken)
{
    showWithOffer(caption, text, Qt::PlainText, offer, std::move(taken));
}

void QtMessageBoxes::showLaidOutErrorWithOffer(const QString &caption, const QString &text,
                                               const QString &offer, std::function<void()> taken)
{
    // Plain text would be wrapped again, at hyphens and slashes as well.
    showWithOffer(caption, laidOutHtml(text), Qt::RichText, offer, std::move(taken));
}

QString QtMessageBoxes::laidOutHtml(const QString &text)
{
    QString html;
    for (const QString &paragraph : text.split(QLatin1String("\n\n"))) {
        QStringList lines = paragraph.split(u'\n');
        for (QString &line : lines)
            line = line.toHtmlEscaped();
        html += QLatin1String("<p style=\"white-space:pre\">") + lines.join(QLatin1String("<br>"))
            + QLatin1String("</p>");
    }
    return html;
}

void QtMessageBoxes::showWithOffer(const QString &caption, const QString &text, Qt::TextFormat format,
                                   const QString &offer, std::function<void()> taken)
{
    auto *box = new QMessageBox(QMessageBox::Critical, caption, text, QMessageBox::Ok, m_parent);
    box->setTextFormat(format);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    const QAbstractButton *offerButton = box->addButton(offer, QMessageBox::HelpRole);
    QObject::connect(box, &QMessageBox::finished, box, [box, offerButton, taken = std::move(taken)] {
        if (box->clickedButton() == offerButton && taken)
            taken();
    });
    box->show();
}

} // namespace vexlor
