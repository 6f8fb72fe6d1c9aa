#include "port_finder.h"

#include "link_texts.h"

namespace vexlor {

PortFinder::PortFinder(const PortLister &lister, QString overridePath, QObject *parent)
    : QObject(parent)
    , m_lister(lister)
    , m_overridePath(std::move(overridePath))
{
}

DiscoveryResult PortFinder::find()
{
    const DiscoveryResult result = findQuietly();
    if (result.duplicate() && !m_reportOpen) {
        m_reportOpen = true;
        emit duplicateDeviceReport(duplicateDeviceMessage());
    }
    return result;
}

DiscoveryResult PortFinder::findQuietly() const
{
    return discoverPort(m_lister, m_overridePath);
}

UserMessage PortFinder::duplicateDeviceMessage()
{
    return {linkText(texts::kDuplicateDevice), linkText(texts::kConnectionTestCaption),
            MessageIcon::Error};
}

} // namespace vexlor
