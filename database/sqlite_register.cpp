#include "sqlite_register.h"
#include "register_schema.h"

#include "register/register_texts.h"

#include "translation.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

namespace vexlor {
namespace {

// The insert, its columns and placeholders from the one list of columns.
QString insertStatement()
{
    QStringList names{QStringLiteral("uuid"), QStringLiteral("recorded_at")};
    for (const RegisterColumn &column : registerTextColumns())
        names.append(QString::fromLatin1(column.name));
    names.append(QStringLiteral("delivered"));
    QStringList marks;
    for (const QString &name : names)
        marks.append(u':' + name);
    return QStringLiteral("INSERT INTO records (%1) VALUES (%2)").arg(names.join(u','), marks.join(u','));
}

void bindRecord(QSqlQuery &query, const RegisterRecord &record)
{
    query.bindValue(QStringLiteral(":uuid"), record.uuid);
    query.bindValue(QStringLiteral(":recorded_at"), record.time.toUTC().toString(Qt::ISODateWithMs));
    // A text not known is empty, never NULL: every column is NOT NULL.
    for (const RegisterColumn &column : registerTextColumns()) {
        const QString &value = record.*column.field;
        query.bindValue(u':' + QString::fromLatin1(column.name), value.isNull() ? QStringLiteral("") : value);
    }
    query.bindValue(QStringLiteral(":delivered"), record.delivered ? 1 : 0);
}

RegisterRecord recordAt(const QSqlQuery &query)
{
    const QSqlRecord row = query.record();
    RegisterRecord record;
    record.uuid = row.value(QStringLiteral("uuid")).toString();
    record.time = QDateTime::fromString(row.value(QStringLiteral("recorded_at")).toString(), Qt::ISODateWithMs);
    for (const RegisterColumn &column : registerTextColumns())
        record.*column.field = row.value(QString::fromLatin1(column.name)).toString();
    record.delivered = row.value(QStringLiteral("delivered")).toInt() != 0;
    return record;
}

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
    if (!query.prepare(insertStatement()))
        return translated("Register", texts::kCannotWrite).arg(m_path, query.lastError().text());
    bindRecord(query, record);
    if (!query.exec())
        return translated("Register", texts::kCannotWrite).arg(m_path, query.lastError().text());
    return {};
}

QList<RegisterRecord> SqliteRegister::records(QString &error)
{
    error = open();
    if (!error.isEmpty())
        return {};
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT * FROM records ORDER BY recorded_at DESC, rowid DESC"))) {
        error = translated("Register", texts::kCannotRead).arg(m_path, query.lastError().text());
        return {};
    }
    QList<RegisterRecord> list;
    while (query.next())
        list.append(recordAt(query));
    return list;
}

} // namespace vexlor
