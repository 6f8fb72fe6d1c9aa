#include "window_caption.h"

#include "program_info.h"

#include <QWidget>

namespace vexlor {

WindowCaption::WindowCaption(QWidget &window)
    : m_window(window), m_programTitle(QString::fromLatin1(kProgramTitleBase))
{
}

void WindowCaption::completeTitle()
{
    m_programTitle += QLatin1String(kProgramVersionSuffix);
    m_window.setWindowTitle(m_programTitle);
}

void WindowCaption::showDocument(const QString &fileName)
{
    m_window.setWindowTitle(m_programTitle + QStringLiteral(" - ") + fileName);
}

} // namespace vexlor
