#include "register_schema.h"

#include "register/register_texts.h"

#include "translation.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <array>

namespace vexlor {
namespace {

// The key of the server's lock that first uses of the register wait for.
constexpr int kServerSchemaLock = 7360411;

// Step n brings a database from version n to n + 1. Every statement runs on
// SQLite and on PostgreSQL alike. Column names keep clear
// of words some servers reserve ("user").
const std::array<QStringList, kRegisterSchemaVersion> kSteps = {
    QStringList{
        QStringLiteral("CREATE TABLE records ("
                       "uuid TEXT PRIMARY KEY, recorded_at TEXT NOT NULL, operation TEXT NOT NULL, "
                       "os_user TEXT NOT NULL, host TEXT NOT NULL, tool_version TEXT NOT NULL, "
                       "port TEXT NOT NULL, cable_serial TEXT NOT NULL, "
                       "controller_version TEXT NOT NULL, bike TEXT NOT NULL, "
                       "fingerprint_before TEXT NOT NULL, fingerprint_after TEXT NOT NULL, "
                       "road_class TEXT NOT NULL, road_check TEXT NOT NULL, "
                       "document_path TEXT NOT NULL, backup_path TEXT NOT NULL, "
                       "outcome TEXT NOT NULL, message TEXT NOT NULL, "
                       "delivered INTEGER NOT NULL DEFAULT 0)"),
        QStringLiteral("CREATE INDEX records_by_time ON records (recorded_at)"),
    },
};

// How a database keeps the version its tables reached, and how a program
// holds it alone while it brings them up to date. SQLite keeps the version in
// the file's header; a server keeps it in a table of its own, made under a
// lock that every bench opening the register at once waits for.
struct SchemaDialect {
    QString begin;
    QStringList beforeReading; // in the transaction, before the version is read
    QString readVersion;
    QStringList writeVersion; // %1 the version
};

SchemaDialect dialectOf(const QSqlDatabase &database)
{
    if (database.driverName() == u"QPSQL") {
        return {QStringLiteral("BEGIN"),
                {QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(kServerSchemaLock),
                 QStringLiteral("CREATE TABLE IF NOT EXISTS register_version (version INTEGER NOT NULL)")},
                QStringLiteral("SELECT COALESCE(MAX(version), 0) FROM register_version"),
                {QStringLiteral("DELETE FROM register_version"),
                 QStringLiteral("INSERT INTO register_version (version) VALUES (%1)")}};
    }
    return {QStringLiteral("BEGIN IMMEDIATE"), {}, QStringLiteral("PRAGMA user_version"),
            {QStringLiteral("PRAGMA user_version = %1")}};
}

QString schemaError(const QSqlDatabase &database, const QSqlError &error)
{
    return translated("Register", texts::kCannotOpen).arg(database.databaseName(), error.text());
}

// -1 when it cannot be read (on a server: before its table is made).
int schemaVersion(QSqlQuery &query, const SchemaDialect &dialect)
{
    if (!query.exec(dialect.readVersion) || !query.next())
        return -1;
    const int version = query.value(0).toInt();
    query.finish(); // a statement still open would keep COMMIT from ending the transaction
    return version;
}

QString runSteps(QSqlDatabase &database, QSqlQuery &query, int version, const SchemaDialect &dialect)
{
    for (int step = version; step < kRegisterSchemaVersion; ++step) {
        for (const QString &statement : kSteps[size_t(step)]) {
            if (!query.exec(statement))
                return schemaError(database, query.lastError());
        }
    }
    for (const QString &statement : dialect.writeVersion) {
        if (!query.exec(statement.contains(u"%1") ? statement.arg(kRegisterSchemaVersion) : statement))
            return schemaError(database, query.lastError());
    }
    return {};
}

QString newerSchemaError(const QSqlDatabase &database, int version)
{
    return translated("Register", texts::kNewerSchema)
        .arg(database.databaseName())
        .arg(version)
        .arg(kRegisterSchemaVersion);
}

// In the transaction that holds the register: the version read again (another
// program may have moved it on meanwhile) and the steps it lacks.
QString bringUpToDate(QSqlDatabase &database, QSqlQuery &query, const SchemaDialect &dialect)
{
    for (const QString &statement : dialect.beforeReading) {
        if (!query.exec(statement))
            return schemaError(database, query.lastError());
        query.finish();
    }
    const int version = schemaVersion(query, dialect);
    if (version < 0)
        return schemaError(database, query.lastError());
    if (version > kRegisterSchemaVersion)
        return newerSchemaError(database, version);
    if (version < kRegisterSchemaVersion)
        return runSteps(database, query, version, dialect);
    return {};
}

} // namespace

QString migrateRegister(QSqlDatabase &database)
{
    const SchemaDialect dialect = dialectOf(database);
    QSqlQuery query(database);
    const int current = schemaVersion(query, dialect);
    if (current == kRegisterSchemaVersion)
        return {}; // no lock needed to find that out
    if (current > kRegisterSchemaVersion)
        return newerSchemaError(database, current);
    // Taken for writing at once, so two programs opening a new register
    // one beside the other do not both create its tables.
    if (!query.exec(dialect.begin))
        return schemaError(database, query.lastError());
    QString error = bringUpToDate(database, query, dialect);
    if (!error.isEmpty() || !query.exec(QStringLiteral("COMMIT"))) {
        if (error.isEmpty())
            error = schemaError(database, query.lastError());
        query.exec(QStringLiteral("ROLLBACK"));
    }
    return error;
}

} // namespace vexlor
