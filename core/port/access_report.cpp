#include "access_report.h"

#include "cables/link_texts.h"

namespace vexlor {

AccessReport::AccessReport(const ControllerLink *link, QObject *parent)
    : QObject(parent)
    , m_link(link)
{
}

void AccessReport::check()
{
    const QString path = m_link->portPath();
    if (m_link->isOpen() || path.isEmpty()) {
        m_reportedPath.clear(); // the cycle is over
        return;
    }
    if (m_link->openError() != SerialPort::OpenError::PermissionDenied || path == m_reportedPath)
        return;
    m_reportedPath = path;
    emit accessRefused(message(path));
}

UserMessage AccessReport::message(const QString &portPath)
{
    //: %1 the serial device's path; %2 the lines that say how to get access
    const char *text = QT_TRANSLATE_NOOP("Link", "You may not open the programming cable's serial port %1.\n\n%2");
    return {linkText(text).arg(portPath, linkText(texts::kCableAccessFix)),
            linkText(texts::kCableAccessCaption), MessageIcon::Error};
}

} // namespace vexlor
