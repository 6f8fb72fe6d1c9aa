#include "register_rows.h"

#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

namespace vexlor {

QString insertRecordStatement(const QString &tail)
{
    QStringList names{QStringLiteral("uuid"), QStringLiteral("recorded_at")};
    for (const RegisterColumn &column : registerTextColumns())
        names.append(QString::fromLatin1(column.name));
    names.append(QStringLiteral("delivered"));
    QStringList marks;
    for (const QString &name : names)
        marks.append(u':' + name);
    QString statement = QStringLiteral("INSERT INTO records (%1) VALUES (%2)").arg(names.join(u','), marks.join(u','));
    if (!tail.isEmpty())
        statement += u' ' + tail;
    return statement;
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

} // namespace vexlor
