#include "controller_presence.h"

#include "session/controller_session.h"

namespace vexlor::cli {

ControllerPresence::ControllerPresence(ControllerSession &session, QObject *parent)
    : QObject(parent)
    , m_session(session)
{
    m_gap.setSingleShot(true);
    connect(&m_gap, &QTimer::timeout, this, &ControllerPresence::ask);
    connect(&m_session, &ControllerSession::connectionChecked, this, &ControllerPresence::onChecked);
    connect(&m_session, &ControllerSession::startUpFinished, this, [this] {
        if (m_session.isOpen())
            ask();
        else
            heard(false, kPortLookGapMs);
    });
}

void ControllerPresence::awaitAnswer()
{
    await(Awaiting::Answer);
}

void ControllerPresence::awaitSilence()
{
    await(Awaiting::Silence);
}

void ControllerPresence::await(Awaiting what)
{
    m_awaiting = what;
    if (!m_asking && !m_gap.isActive() && !m_session.isStartingUp())
        ask();
}

void ControllerPresence::ask()
{
    if (m_awaiting == Awaiting::Nothing)
        return;
    // A closed port is looked for and opened as at the start, a cable's
    // control line driven again after it was plugged back in; an open one
    // needs no look: a cable pulled from the computer closes it.
    if (!m_session.isOpen()) {
        if (m_awaiting == Awaiting::Silence)
            heard(false, kPortLookGapMs);
        else if (!m_session.isStartingUp())
            m_session.startUp();
        return;
    }
    if (m_session.checkConnection() != ExchangeStart::Started) {
        m_gap.start(kPortLookGapMs); // the session is busy or closing: look again later
        return;
    }
    m_asking = true;
}

void ControllerPresence::onChecked(const ConnectionCheckResult &result)
{
    if (!m_asking)
        return;
    m_asking = false;
    heard(result.ok, kAskGapMs);
}

void ControllerPresence::heard(bool answers, int gapMs)
{
    const Awaiting awaited = m_awaiting;
    if (awaited == Awaiting::Answer && answers) {
        m_awaiting = Awaiting::Nothing;
        emit answered();
    } else if (awaited == Awaiting::Silence && !answers) {
        m_awaiting = Awaiting::Nothing;
        emit silent();
    } else if (awaited != Awaiting::Nothing) {
        m_gap.start(gapMs);
    }
}

} // namespace vexlor::cli
