#include "units_setting.h"

namespace vexlor {

SpeedUnits readSpeedUnitsSetting(const SettingsFile &settings)
{
    const QString id = settings.readString(QString::fromLatin1(kUnitsSection),
                                           QString::fromLatin1(kSpeedUnitsKey));
    return speedUnitsFromId(id).value_or(SpeedUnits::Metric);
}

SettingsWriteResult writeSpeedUnitsSetting(SettingsFile &settings, SpeedUnits units)
{
    return settings.writeString(QString::fromLatin1(kUnitsSection), QString::fromLatin1(kSpeedUnitsKey),
                                QString::fromLatin1(speedUnitsId(units)));
}

} // namespace vexlor
