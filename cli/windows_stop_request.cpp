// Ctrl+C and Ctrl+Break in the console: the handler, on a thread of the
// system's, only sets an event; the event loop sees it.

#include "stop_request.h"

#include <QWinEventNotifier>

#include <windows.h>

namespace vexlor::cli {
namespace {

HANDLE g_stopEvent = nullptr;

BOOL WINAPI onConsoleControl(DWORD type)
{
    if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT)
        return FALSE; // closing the console or logging off ends the program as usual
    SetEvent(g_stopEvent);
    return TRUE;
}

class ConsoleControlStop final : public StopRequest {
public:
    ConsoleControlStop()
    {
        m_event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        if (!m_event)
            return;
        g_stopEvent = m_event;
        m_notifier = new QWinEventNotifier(m_event, this);
        connect(m_notifier, &QWinEventNotifier::activated, this, &StopRequest::requested);
        SetConsoleCtrlHandler(onConsoleControl, TRUE);
    }

    ~ConsoleControlStop() override
    {
        if (!m_event)
            return;
        SetConsoleCtrlHandler(onConsoleControl, FALSE);
        delete m_notifier;
        g_stopEvent = nullptr;
        CloseHandle(m_event);
    }

private:
    HANDLE m_event = nullptr;
    QWinEventNotifier *m_notifier = nullptr;
};

} // namespace

std::unique_ptr<StopRequest> watchStopRequests()
{
    return std::make_unique<ConsoleControlStop>();
}

} // namespace vexlor::cli
