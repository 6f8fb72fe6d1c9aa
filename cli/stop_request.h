#pragma once

#include <QObject>

#include <memory>

namespace vexlor::cli {

// The user asking a long-running command to end: Ctrl+C or SIGTERM on
// Linux, Ctrl+C or Ctrl+Break in a Windows console. The request arrives
// through the event loop as requested(), never inside a signal handler.
class StopRequest : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    void requested();
};

// The platform's stop request, watched from now until it is destroyed;
// only one at a time.
[[nodiscard]] std::unique_ptr<StopRequest> watchStopRequests();

} // namespace vexlor::cli
