#include "server_register.h"
#include "register_rows.h"
#include "register_schema.h"

#include "register/register_texts.h"

#include "translation.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace vexlor {

ServerRegister::ServerRegister(ServerAddress address)
    : m_address(std::move(address))
    , m_connection(QStringLiteral("shop-register-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

ServerRegister::~ServerRegister()
{
    close();
}

void ServerRegister::close()
{
    m_open = false;
    if (!QSqlDatabase::contains(m_connection))
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

// A failed statement may mean a lost connection: the next use connects anew.
// The server's reason comes on several lines; a message is one.
QString ServerRegister::failure(const char *text, const QString &reason)
{
    close();
    return translated("Register", text).arg(location(), reason.simplified());
}

QString ServerRegister::open()
{
    if (m_open)
        return {};
    close();
    QString error;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connection);
        database.setUserName(m_address.user);
        database.setHostName(m_address.host);
        if (m_address.port > 0)
            database.setPort(m_address.port);
        database.setDatabaseName(m_address.database);
        // No password is set, so libpq reads ~/.pgpass or PGPASSWORD itself.
        database.setConnectOptions(QStringLiteral("connect_timeout=%1").arg(kConnectTimeoutSeconds));
        if (!database.open())
            error = translated("Register", texts::kCannotOpen).arg(location(), database.lastError().text().simplified());
        else
            error = migrateRegister(database).simplified();
    } // the handle is gone before close() removes the connection
    if (!error.isEmpty()) {
        close();
        return error;
    }
    m_open = true;
    return {};
}

QString ServerRegister::deliver(const RegisterRecord &record)
{
    if (const QString error = open(); !error.isEmpty())
        return error;
    QString reason;
    {
        // One statement, one transaction; a record delivered before stays as it is.
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        if (!query.prepare(insertRecordStatement(QStringLiteral("ON CONFLICT (uuid) DO NOTHING"))))
            reason = query.lastError().text();
        else if (bindRecord(query, record); !query.exec())
            reason = query.lastError().text();
    } // the statement is gone before a failure closes the connection
    return reason.isEmpty() ? QString() : failure(texts::kCannotWrite, reason);
}

QList<RegisterRecord> ServerRegister::records(QString &error)
{
    error = open();
    if (!error.isEmpty())
        return {};
    QList<RegisterRecord> list;
    QString reason;
    {
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        query.setForwardOnly(true);
        if (query.exec(QStringLiteral("SELECT * FROM records ORDER BY recorded_at DESC, uuid DESC"))) {
            while (query.next())
                list.append(recordAt(query));
        } else {
            reason = query.lastError().text();
        }
    }
    if (!reason.isEmpty()) {
        error = failure(texts::kCannotRead, reason);
        list.clear();
    }
    return list;
}

} // namespace vexlor
