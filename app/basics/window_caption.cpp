#include "window_caption.h"

#include "program_info.h"

#include <QWidget>

namespace vexlor {
namespace {

// Qt's placeholder for the modified mark, at the caption's end. A "[*]" in a
// file name is doubled, which Qt shows as one "[*]" and never as the mark.
const QString kPlaceholder = QStringLiteral("[*]");

QString escapedPlaceholders(QString text)
{
    return text.replace(kPlaceholder, kPlaceholder + kPlaceholder);
}

} // namespace

WindowCaption::WindowCaption(QWidget &window)
    : m_window(window), m_programTitle(QString::fromLatin1(kProgramTitleBase))
{
}

void WindowCaption::completeTitle()
{
    m_programTitle += QLatin1String(kProgramVersionSuffix);
    m_window.setWindowTitle(m_programTitle + kPlaceholder);
}

void WindowCaption::showDocument(const QString &fileName)
{
    m_window.setWindowTitle(m_programTitle + QStringLiteral(" - ") + escapedPlaceholders(fileName)
                            + kPlaceholder);
}

void WindowCaption::showModified(bool modified)
{
    m_window.setWindowModified(modified);
}

} // namespace vexlor
