#pragma once

#include "port_discovery.h"
#include "user_message.h"

#include <QObject>

namespace vexlor {

// Discovery as start-up and the monitor run it: the scan (or the override
// path) plus the duplicate-device report. The report is raised through a
// signal and counts as open until the caller says it was closed; while one is
// open no second one is raised, so ticks never stack messages.
class PortFinder : public QObject {
    Q_OBJECT
public:
    // `lister` must outlive the finder. `overridePath` is a device path that
    // replaces the scan (--port, VEXLOR_PORT), empty for the scan.
    PortFinder(const PortLister &lister, QString overridePath, QObject *parent = nullptr);

    [[nodiscard]] QString overridePath() const { return m_overridePath; }

    // One discovery run; raises the duplicate report when more than one
    // candidate was found and no report is open.
    [[nodiscard]] DiscoveryResult find();
    // The same run without any report.
    [[nodiscard]] DiscoveryResult findQuietly() const;

    // The user closed the duplicate-device message.
    void reportClosed() { m_reportOpen = false; }

    // "Another COM device ..." with its caption and the error form.
    [[nodiscard]] static UserMessage duplicateDeviceMessage();

signals:
    // Show `message`; call reportClosed() once the user has closed it.
    void duplicateDeviceReport(const vexlor::UserMessage &message);

private:
    const PortLister &m_lister;
    QString m_overridePath;
    bool m_reportOpen = false;
};

} // namespace vexlor
