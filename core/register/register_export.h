#pragma once

#include "register_record.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace vexlor {

// The column names every form lists a record by: "uuid", "time", the text
// columns, "delivered".
[[nodiscard]] QStringList registerColumnNames();

// A record's values in that order: the time as ISO 8601 UTC to the
// millisecond ("2026-12-08T09:14:03.120Z"), delivered as 0 or 1.
[[nodiscard]] QStringList registerRowValues(const RegisterRecord &record);

// CSV (RFC 4180: a header line, fields quoted where they hold a comma, a
// quote or a line break, CR LF line ends), UTF-8, as spreadsheets read it.
[[nodiscard]] QByteArray registerCsv(const QList<RegisterRecord> &records);

// A JSON array of objects keyed by the column names; delivered a boolean.
[[nodiscard]] QByteArray registerJson(const QList<RegisterRecord> &records);

} // namespace vexlor
