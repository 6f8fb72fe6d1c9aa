// SIGINT and SIGTERM through a self-pipe: the handler only writes a byte,
// the event loop reads it.

#include "stop_request.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace vexlor::cli {
namespace {

int g_pipeWriteEnd = -1;

void onSignal(int)
{
    const char byte = 1;
    (void)!::write(g_pipeWriteEnd, &byte, 1); // a full pipe already holds a request
}

class SignalPipeStop final : public StopRequest {
public:
    SignalPipeStop()
    {
        if (::pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
            return;
        g_pipeWriteEnd = m_pipe[1];
        m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &SignalPipeStop::drain);
        struct sigaction action {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(SIGINT, &action, &m_oldInt);
        ::sigaction(SIGTERM, &action, &m_oldTerm);
        m_installed = true;
    }

    ~SignalPipeStop() override
    {
        if (!m_installed)
            return;
        ::sigaction(SIGINT, &m_oldInt, nullptr);
        ::sigaction(SIGTERM, &m_oldTerm, nullptr);
        g_pipeWriteEnd = -1;
        ::close(m_pipe[0]);
        ::close(m_pipe[1]);
    }

private:
    void drain()
    {
        char bytes[16];
        while (::read(m_pipe[0], bytes, sizeof bytes) > 0) {
        }
        emit requested();
    }

    int m_pipe[2] = {-1, -1};
    QSocketNotifier *m_notifier = nullptr;
    struct sigaction m_oldInt {};
    struct sigaction m_oldTerm {};
    bool m_installed = false;
};

} // namespace

std::unique_ptr<StopRequest> watchStopRequests()
{
    return std::make_unique<SignalPipeStop>();
}

} // namespace vexlor::cli
