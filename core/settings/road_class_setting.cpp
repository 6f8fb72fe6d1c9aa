#include "road_class_setting.h"

namespace vexlor {

QString readRoadClassSetting(const SettingsFile &settings)
{
    return settings.readString(QString::fromLatin1(kRoadClassSection), QString::fromLatin1(kRoadClassKey))
        .toLower();
}

SettingsWriteResult writeRoadClassSetting(SettingsFile &settings, const QString &id)
{
    return settings.writeString(QString::fromLatin1(kRoadClassSection),
                                QString::fromLatin1(kRoadClassKey), id);
}

} // namespace vexlor
