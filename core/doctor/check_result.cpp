#include "check_result.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSysInfo>

#include <algorithm>

namespace vexlor {
namespace {

// A field of a line: tabs and line breaks would split it.
QString oneField(QString text)
{
    for (QChar &c : text) {
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    }
    return text;
}

} // namespace

const char *statusName(CheckStatus status)
{
    switch (status) {
    case CheckStatus::Ok:
        return "ok";
    case CheckStatus::Warn:
        return "warn";
    case CheckStatus::Fail:
        return "fail";
    case CheckStatus::Skip:
        break;
    }
    return "skip";
}

bool anyFailed(const QList<CheckResult> &results)
{
    return std::any_of(results.cbegin(), results.cend(),
                       [](const CheckResult &r) { return r.status == CheckStatus::Fail; });
}

QString reportLine(const CheckResult &result)
{
    QString line
        = QLatin1String(statusName(result.status)) + u'\t' + result.check + u'\t' + oneField(result.detail);
    if (!result.fix.isEmpty())
        line += u'\t' + oneField(result.fix);
    return line;
}

QByteArray reportJson(const QList<CheckResult> &results)
{
    QJsonArray array;
    for (const CheckResult &result : results) {
        array.append(QJsonObject{
            {QStringLiteral("status"), QLatin1String(statusName(result.status))},
            {QStringLiteral("check"), result.check},
            {QStringLiteral("detail"), result.detail},
            {QStringLiteral("fix"), result.fix.isEmpty() ? QJsonValue() : QJsonValue(result.fix)},
        });
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

QString reportWithVersions(const QList<CheckResult> &results, const QString &program)
{
    QString text;
    for (const CheckResult &result : results)
        text += reportLine(result) + u'\n';
    text += QStringLiteral("\nprogram\t%1, Qt %2\n").arg(program, QLatin1String(qVersion()));
    text += QStringLiteral("system\t%1, %2 %3, %4\n")
                .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion(),
                     QSysInfo::currentCpuArchitecture());
    return text;
}

} // namespace vexlor
