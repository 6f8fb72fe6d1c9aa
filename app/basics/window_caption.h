#pragma once

#include <QString>

class QWidget;

namespace vexlor {

// The main window's caption: the program's title (ProgramTitle), followed by
// the current document's name once there is one, and Qt's modified mark ("*")
// after it while the window holds changes not yet saved.
class WindowCaption {
public:
    explicit WindowCaption(QWidget &window);

    // The title as start-up completes it, with the version.
    [[nodiscard]] const QString &programTitle() const { return m_programTitle; }

    // Start-up: the version joins the title, which becomes the caption.
    void completeTitle();
    // The title, " - ", and the file-name part of the current document.
    void showDocument(const QString &fileName);
    // Shows or hides the modified mark.
    void showModified(bool modified);

private:
    QWidget &m_window;
    QString m_programTitle;
};

} // namespace vexlor
