#include "register_record.h"

#include "road/road_check.h"
#include "road/road_class.h"

#include <QSysInfo>
#include <QUuid>
#include <QtGlobal>

namespace vexlor {
namespace {

QString operatingSystemUser()
{
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? qEnvironmentVariable("USERNAME") : user;
}

} // namespace

QList<RegisterColumn> registerTextColumns()
{
    return {
        {"operation", &RegisterRecord::operation},
        {"os_user", &RegisterRecord::user},
        {"host", &RegisterRecord::host},
        {"tool_version", &RegisterRecord::toolVersion},
        {"port", &RegisterRecord::port},
        {"cable_serial", &RegisterRecord::cableSerial},
        {"controller_version", &RegisterRecord::controllerVersion},
        {"bike", &RegisterRecord::bike},
        {"fingerprint_before", &RegisterRecord::fingerprintBefore},
        {"fingerprint_after", &RegisterRecord::fingerprintAfter},
        {"road_class", &RegisterRecord::roadClass},
        {"road_check", &RegisterRecord::roadCheck},
        {"document_path", &RegisterRecord::documentPath},
        {"backup_path", &RegisterRecord::backupPath},
        {"outcome", &RegisterRecord::outcome},
        {"message", &RegisterRecord::message},
    };
}

RegisterRecord newRegisterRecord(const char *operation, const QString &toolVersion)
{
    RegisterRecord record;
    record.uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    // To the millisecond, so records of one second keep their order.
    record.time = QDateTime::currentDateTimeUtc();
    record.operation = QString::fromLatin1(operation);
    record.user = operatingSystemUser();
    record.host = QSysInfo::machineHostName();
    record.toolVersion = toolVersion;
    return record;
}

QString controllerVersionText(quint16 item0)
{
    return QStringLiteral("%1-%2").arg(item0 >> 8).arg(item0 & 0xFF);
}

void setRoadCheck(RegisterRecord &record, const ParameterValues &values, const RoadClass *roadClass,
                  NumberFormat format)
{
    if (!roadClass)
        return;
    record.roadClass = QString::fromLatin1(roadClass->id);
    const QList<RoadFinding> findings = checkRoadClass(values, *roadClass, std::nullopt, format);
    const bool keeps = roadBreaches(findings).isEmpty();
    record.roadCheck = QLatin1String(keeps ? road_checks::kKeeps : road_checks::kBreaks);
}

} // namespace vexlor
