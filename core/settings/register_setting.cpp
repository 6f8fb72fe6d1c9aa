#include "register_setting.h"

#include <QDir>
#include <QStandardPaths>

namespace vexlor {

QString readRegisterServerSetting(const SettingsFile &settings)
{
    return settings.readString(QString::fromLatin1(kRegisterSection), QString::fromLatin1(kRegisterDatabaseKey));
}

QString windowSettingsPath(const QString &programFolder)
{
    // The window's own folder is named after it, whichever program asks.
    const QString folder = isPortableProgramFolder(programFolder)
        ? programFolder
        : QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + QStringLiteral("/vexlor-adjustor");
    return QDir(folder).filePath(QLatin1String(kSettingsFileName));
}

} // namespace vexlor
