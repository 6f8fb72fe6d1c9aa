#include "qt_message_boxes.h"

#include <QPushButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>

namespace vexlor {
namespace {

struct BoxLook {
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

BoxLook lookOf(BoxKind kind)
{
    switch (kind) {
    case BoxKind::Information:
        return {QMessageBox::Information, QMessageBox::Ok};
    case BoxKind::Question:
        return {QMessageBox::Question, QMessageBox::Yes | QMessageBox::No};
    case BoxKind::Save:
        return {QMessageBox::Warning, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel};
    default:
        return {QMessageBox::Critical, QMessageBox::Ok};
    }
}

// The button that offers more help, if the box has one.
const QAbstractButton *offerButton(const QMessageBox &box)
{
    for (QAbstractButton *button : box.buttons()) {
        if (box.buttonRole(button) == QMessageBox::HelpRole)
            return button;
    }
    return nullptr;
}

int execBox(QWidget *parent, BoxKind kind, const QString &caption, const QString &text)
{
    return buildMessageBox(kind, parent, caption, text)->exec();
}

} // namespace

std::unique_ptr<QMessageBox> buildMessageBox(BoxKind kind, QWidget *parent, const QString &caption,
                                             const QString &text, const QString &offer)
{
    const BoxLook look = lookOf(kind);
    auto box = std::make_unique<QMessageBox>(look.icon, caption, text, look.buttons, parent);
    // Messages quote file names and file content: shown as plain text, so a
    // name like "<b>x</b>.vxc" is shown as it is, never as markup. A laid-out
    // text is rich text whose lines never wrap again.
    box->setTextFormat(kind == BoxKind::LaidOutErrorWithOffer ? Qt::RichText : Qt::PlainText);
    if (kind == BoxKind::LaidOutErrorWithOffer)
        box->setText(QtMessageBoxes::laidOutHtml(text));
    if (kind == BoxKind::ErrorWithOffer || kind == BoxKind::LaidOutErrorWithOffer)
        box->addButton(offer, QMessageBox::HelpRole);
    if (kind == BoxKind::Save) {
        box->setDefaultButton(QMessageBox::Save);
        box->setEscapeButton(QMessageBox::Cancel);
    }
    return box;
}

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
        execBox(parent, BoxKind::Error, caption, text);
    });
}

void QtMessageBoxes::error(const QString &caption, const QString &text)
{
    execBox(m_parent, BoxKind::Error, caption, text);
}

void QtMessageBoxes::information(const QString &caption, const QString &text)
{
    execBox(m_parent, BoxKind::Information, caption, text);
}

bool QtMessageBoxes::question(const QString &caption, const QString &text)
{
    return execBox(m_parent, BoxKind::Question, caption, text) == QMessageBox::Yes;
}

SaveChoice QtMessageBoxes::askToSave(const QString &caption, const QString &text)
{
    switch (execBox(m_parent, BoxKind::Save, caption, text)) {
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
    auto *box = buildMessageBox(BoxKind::Error, m_parent, caption, text).release();
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
    const auto box = buildMessageBox(BoxKind::ErrorWithOffer, m_parent, caption, text, offer);
    box->exec();
    return box->clickedButton() == offerButton(*box);
}

void QtMessageBoxes::showErrorWithOffer(const QString &caption, const QString &text,
                                        const QString &offer, std::function<void()> taken)
{
    showWithOffer(BoxKind::ErrorWithOffer, caption, text, offer, std::move(taken));
}

void QtMessageBoxes::showLaidOutErrorWithOffer(const QString &caption, const QString &text,
                                               const QString &offer, std::function<void()> taken)
{
    // Plain text would be wrapped again, at hyphens and slashes as well.
    showWithOffer(BoxKind::LaidOutErrorWithOffer, caption, text, offer, std::move(taken));
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

void QtMessageBoxes::showWithOffer(BoxKind kind, const QString &caption, const QString &text,
                                   const QString &offer, std::function<void()> taken)
{
    auto *box = buildMessageBox(kind, m_parent, caption, text, offer).release();
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    QObject::connect(box, &QMessageBox::finished, box, [box, taken = std::move(taken)] {
        if (box->clickedButton() == offerButton(*box) && taken)
            taken();
    });
    box->show();
}

} // namespace vexlor
