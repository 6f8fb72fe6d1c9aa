#pragma once

#include "message_boxes.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QMessageBox;

namespace vexlor {

// The kinds of box QtMessageBoxes shows.
enum class BoxKind {
    Error,                 // error icon, OK
    Information,           // information icon, OK
    Question,              // question icon, Yes and No
    Save,                  // warning icon, Save, Discard and Cancel
    ErrorWithOffer,        // error icon, OK and `offer`
    LaidOutErrorWithOffer, // the same, its text laid out in lines already
};

// One box of `kind` as QtMessageBoxes shows it, not yet shown: the window's
// boxes, and a test that opens each kind on a small screen, build it here.
[[nodiscard]] std::unique_ptr<QMessageBox> buildMessageBox(BoxKind kind, QWidget *parent, const QString &caption,
                                                           const QString &text, const QString &offer = {});

// MessageBoxes shown as QMessageBox dialogs, modal to `parent`.
class QtMessageBoxes final : public MessageBoxes {
public:
    // `standardCaption` is the caption of the standard error report.
    QtMessageBoxes(QWidget *parent, QString standardCaption);

    // The window the boxes are modal to, once it exists.
    void setParentWindow(QWidget *window) { m_parent = window; }

    void standardError(const QString &message) override;
    void error(const QString &caption, const QString &text) override;
    void information(const QString &caption, const QString &text) override;
    [[nodiscard]] bool question(const QString &caption, const QString &text) override;
    [[nodiscard]] SaveChoice askToSave(const QString &caption, const QString &text) override;
    // Modal to the application, but shown without waiting for it.
    void showError(const QString &caption, const QString &text,
                   std::function<void()> closed) override;
    [[nodiscard]] bool errorWithOffer(const QString &caption, const QString &text,
                                      const QString &offer) override;
    void showErrorWithOffer(const QString &caption, const QString &text, const QString &offer,
                            std::function<void()> taken) override;
    void showLaidOutErrorWithOffer(const QString &caption, const QString &text, const QString &offer,
                                   std::function<void()> taken) override;

    // A laid-out text as the box shows it: rich text whose lines never wrap,
    // paragraphs where the text has an empty line, everything else escaped.
    [[nodiscard]] static QString laidOutHtml(const QString &text);

private:
    void showWithOffer(BoxKind kind, const QString &caption, const QString &text, const QString &offer,
                       std::function<void()> taken);

    QPointer<QWidget> m_parent;
    QString m_standardCaption;
};

} // namespace vexlor
