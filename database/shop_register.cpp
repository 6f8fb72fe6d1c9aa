#include "shop_register.h"

#include "register/register_texts.h"

#include "translation.h"

namespace vexlor {

ShopRegister::ShopRegister(const QString &localPath, std::unique_ptr<ServerRegister> server,
                           QString serverName, QString problem)
    : m_local(localPath)
    , m_server(std::move(server))
    , m_serverName(std::move(serverName))
    , m_problem(std::move(problem))
{
}

QString ShopRegister::serverProblem(bool evenWhileQuiet)
{
    if (!m_server)
        return m_problem;
    if (!evenWhileQuiet && !m_quietUntil.hasExpired())
        return m_quietReason;
    QString problem = m_server->open();
    if (!problem.isEmpty()) {
        m_quietReason = problem;
        m_quietUntil.setRemainingTime(kQuietAfterFailureMs);
    }
    return problem;
}

QString ShopRegister::deliverWaiting(bool evenWhileQuiet)
{
    if (const QString problem = serverProblem(evenWhileQuiet); !problem.isEmpty())
        return problem;
    QString error;
    const QList<RegisterRecord> waiting = m_local.waiting(error);
    for (RegisterRecord record : waiting) {
        record.delivered = true;
        if (error = m_server->deliver(record); !error.isEmpty())
            break;
        // Not marked (a full disk): sent again next time, kept once there.
        if (error = m_local.markDelivered(record.uuid); !error.isEmpty())
            break;
    }
    return error;
}

QString ShopRegister::add(const RegisterRecord &record)
{
    m_waitingNote.clear();
    RegisterRecord waiting = record;
    waiting.delivered = false;
    if (const QString localError = m_local.add(waiting); !localError.isEmpty()) {
        // This bench cannot keep it: the server alone may.
        RegisterRecord delivered = record;
        delivered.delivered = true;
        if (m_server && m_server->deliver(delivered).isEmpty())
            return {};
        return localError;
    }
    if (const QString why = deliverWaiting(); !why.isEmpty())
        m_waitingNote = translated("Register", texts::kWaitsLocally).arg(why);
    return {};
}

QList<RegisterRecord> ShopRegister::records(QString &error)
{
    QString why = deliverWaiting(true);
    // A server that just failed to answer is not asked twice in one go.
    if (m_server && (why.isEmpty() || m_server->isOpen())) {
        const QList<RegisterRecord> list = m_server->records(error);
        if (error.isEmpty()) {
            m_readNote = translated("Register", texts::kReadFromServer).arg(m_serverName);
            return list;
        }
        why = error;
    }
    m_readNote = translated("Register", texts::kReadLocally).arg(why);
    return m_local.records(error);
}

} // namespace vexlor
