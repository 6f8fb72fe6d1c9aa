#pragma once

#include "controller_link.h"
#include "user_message.h"

#include <QObject>

namespace vexlor {

// Tells the user how to get access when the port found refuses them, once per
// connect cycle: the first time the port's open is refused for permission,
// and again only after it has opened or gone away (not at every tick that
// tries it again).
class AccessReport : public QObject {
    Q_OBJECT
public:
    // `link` must outlive the report.
    explicit AccessReport(const ControllerLink *link, QObject *parent = nullptr);

    // Looks at the link after an attempt to open it (start-up, a monitor tick).
    void check();

    // The box: the port refused, and the cable rule and the dialout group.
    [[nodiscard]] static UserMessage message(const QString &portPath);

signals:
    void accessRefused(const vexlor::UserMessage &message);

private:
    const ControllerLink *m_link;
    QString m_reportedPath; // refused and already reported in this cycle
};

} // namespace vexlor
