#include "register_export.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vexlor {
namespace {

QString csvField(const QString &value)
{
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\n') && !value.contains(u'\r'))
        return value;
    QString quoted = value;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString csvLine(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields)
        quoted.append(csvField(field));
    return quoted.join(u',') + QStringLiteral("\r\n");
}

} // namespace

QStringList registerColumnNames()
{
    QStringList names{QStringLiteral("uuid"), QStringLiteral("time")};
    for (const RegisterColumn &column : registerTextColumns())
        names.append(QString::fromLatin1(column.name));
    names.append(QStringLiteral("delivered"));
    return names;
}

QStringList registerRowValues(const RegisterRecord &record)
{
    QStringList values{record.uuid, record.time.toUTC().toString(Qt::ISODateWithMs)};
    for (const RegisterColumn &column : registerTextColumns())
        values.append(record.*column.field);
    values.append(record.delivered ? QStringLiteral("1") : QStringLiteral("0"));
    return values;
}

QByteArray registerCsv(const QList<RegisterRecord> &records)
{
    QString text = csvLine(registerColumnNames());
    for (const RegisterRecord &record : records)
        text += csvLine(registerRowValues(record));
    return text.toUtf8();
}

QByteArray registerJson(const QList<RegisterRecord> &records)
{
    const QStringList names = registerColumnNames();
    QJsonArray array;
    for (const RegisterRecord &record : records) {
        const QStringList values = registerRowValues(record);
        QJsonObject object;
        for (qsizetype i = 0; i + 1 < names.size(); ++i)
            object.insert(names[i], values[i]);
        object.insert(names.last(), record.delivered);
        array.append(object);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

} // namespace vexlor
