#include "register_schema.h"

#include "register/register_texts.h"

#include "translation.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <array>

namespace vexlor {
namespace {

// Step n brings a database from version n to n + 1. Column names keep clear
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

QString schemaError(const QSqlDatabase &database, const QSqlError &error)
{
    return translated("Register", texts::kCannotOpen).arg(database.databaseName(), error.text());
}

int schemaVersion(QSqlQuery &query)
{
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return -1;
    const int version = query.value(0).toInt();
    query.finish(); // a statement still open would keep COMMIT from ending the transaction
    return version;
}

QString runSteps(QSqlDatabase &database, QSqlQuery &query, int version)
{
    for (int step = version; step < kRegisterSchemaVersion; ++step) {
        for (const QString &statement : kSteps[size_t(step)]) {
            if (!query.exec(statement))
                return schemaError(database, query.lastError());
        }
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(kRegisterSchemaVersion)))
        return schemaError(database, query.lastError());
    return {};
}

QString newerSchemaError(const QSqlDatabase &database, int version)
{
    return translated("Register", texts::kNewerSchema)
        .arg(database.databaseName())
        .arg(version)
        .arg(kRegisterSchemaVersion);
}

} // namespace

QString migrateRegister(QSqlDatabase &database)
{
    QSqlQuery query(database);
    const int current = schemaVersion(query);
    if (current == kRegisterSchemaVersion)
        return {}; // no lock needed to find that out
    if (current > kRegisterSchemaVersion)
        return newerSchemaError(database, current);
    // Taken for writing at once, so two programs opening a new register
    // one beside the other do not both create its tables.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return schemaError(database, query.lastError());
    const int version = schemaVersion(query);
    QString error;
    if (version < 0) {
        error = schemaError(database, query.lastError());
    } else if (version > kRegisterSchemaVersion) {
        error = newerSchemaError(database, version);
    } else if (version < kRegisterSchemaVersion) {
        error = runSteps(database, query, version);
    }
    if (!error.isEmpty() || !query.exec(QStringLiteral("COMMIT"))) {
        if (error.isEmpty())
            error = schemaError(database, query.lastError());
        query.exec(QStringLiteral("ROLLBACK"));
    }
    return error;
}

} // namespace vexlor
