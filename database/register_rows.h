#pragma once

#include "register/register_record.h"

#include <QSqlQuery>
#include <QString>

namespace vexlor {

// A record as a row of the table "records", the same on every database the
// register is kept in.

// The insert of one record, its columns and placeholders from the one list
// of columns; `tail` follows the values (a clause on a conflict).
[[nodiscard]] QString insertRecordStatement(const QString &tail = {});

// Binds `record` to the placeholders of insertRecordStatement().
void bindRecord(QSqlQuery &query, const RegisterRecord &record);

// The record in the query's current row.
[[nodiscard]] RegisterRecord recordAt(const QSqlQuery &query);

} // namespace vexlor
