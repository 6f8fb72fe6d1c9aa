#include "sqlite_register.h"
#include "register_rows.h"
#include "register_schema.h"

#include "register/register_texts.h"

#include "translation.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace vexlor {
namespace {

// Readers never wait for a writer, and a record is in the log whole or not
// at all. The pragma answers with a row; its statement is ended at once, so
// that it keeps no later transaction from committing.
QString useWriteAheadLog(QSqlDatabase &database)
{
    QSqlQuery wal(database);
    if (!wal.exec(QStringLiteral("PRAGMA journal_mode=WAL")))
        return translated("Register", texts::kCannotOpen).arg(database.databaseName(), wal.lastError().text());
    wal.finish();
    return {};
}

} // namespace

SqliteRegister::SqliteRegister(QString path)
    : m_path(std::move(path))
    , m_connection(QStringLiteral("register-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

SqliteRegister::~SqliteRegister()
{
    close();
}

void SqliteRegister::close()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
    m_open = false;
}

QString SqliteRegister::open()
{
    if (m_open)
        return {};
    close();
    QString error;
    {
        QDir().mkpath(QFileInfo(m_path).absolutePath());
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        database.setDatabaseName(m_path);
        database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
        if (!database.open())
            error = translated("Register", texts::kCannotOpen).arg(m_path, database.lastError().text());
        else
            error = useWriteAheadLog(database);
        if (error.isEmpty())
            error = migrateRegister(database);
    }
    if (!error.isEmpty()) {
        close();
        return error;
    }
    m_open = true;
    return {};
}

QString SqliteRegister::add(const RegisterRecord &record)
{
    if (const QString error = open(); !error.isEmpty())
        return error;
    // One statement is one transaction in SQLite: the record is whole or absent.
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.prepare(insertRecordStatement()))
        return translated("Register", texts::kCannotWrite).arg(m_path, query.lastError().text());
    bindRecord(query, record);
    if (!query.exec())
        return translated("Register", texts::kCannotWrite).arg(m_path, query.lastError().text());
    return {};
}

QList<RegisterRecord> SqliteRegister::records(QString &error)
{
    return select(QStringLiteral("SELECT * FROM records ORDER BY recorded_at DESC, rowid DESC"), error);
}

QList<RegisterRecord> SqliteRegister::waiting(QString &error)
{
    return select(QStringLiteral("SELECT * FROM records WHERE delivered = 0 ORDER BY recorded_at, rowid"),
                  error);
}

QList<RegisterRecord> SqliteRegister::select(const QString &statement, QString &error)
{
    error = open();
    if (!error.isEmpty())
        return {};
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!query.exec(statement)) {
        error = translated("Register", texts::kCannotRead).arg(m_path, query.lastError().text());
        return {};
    }
    QList<RegisterRecord> list;
    while (query.next())
        list.append(recordAt(query));
    return list;
}

QString SqliteRegister::markDelivered(const QString &uuid)
{
    if (const QString error = open(); !error.isEmpty())
        return error;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.prepare(QStringLiteral("UPDATE records SET delivered = 1 WHERE uuid = :uuid")))
        return translated("Register", texts::kCannotWrite).arg(m_path, query.lastError().text());
    query.bindValue(QStringLiteral(":uuid"), uuid);
    if (!query.exec())
        return translated("Register", texts::kCannotWrite).arg(m_path, query.lastError().text());
    return {};
}

} // namespace vexlor
