#pragma once

#include <QSqlDatabase>
#include <QString>

namespace vexlor {

// The register's tables, one version after the other, the same on SQLite and
// on a shop's PostgreSQL server. A database carries the version it reached
// (SQLite's user_version, the server's table register_version); bringing it
// up to date runs the steps it lacks in one transaction. Steps are only ever
// added: a database of a newer tool is left alone.
inline constexpr int kRegisterSchemaVersion = 1;

// Brings `database` up to kRegisterSchemaVersion; empty when done, else why not.
[[nodiscard]] QString migrateRegister(QSqlDatabase &database);

} // namespace vexlor
