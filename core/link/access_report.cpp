#include "access_report.h"

#include "link_texts.h"

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
    return {QStringLiteral("You may not open the programming cable's serial port %1.\n\n%2")
                .arg(portPath, QString::fromLatin1(texts::kCableAccessFix)),
            QString::fromLatin1(texts::kCableAccessCaption), MessageIcon::Error};
}

} // namespace vexlor
