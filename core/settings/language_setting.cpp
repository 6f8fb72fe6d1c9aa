#include "language_setting.h"

namespace vexlor {

QString readLanguageSetting(const SettingsFile &settings)
{
    return settings.readString(QString::fromLatin1(kLanguageSection), QString::fromLatin1(kLanguageKey))
        .toLower();
}

SettingsWriteResult writeLanguageSetting(SettingsFile &settings, const QString &code)
{
    return settings.writeString(QString::fromLatin1(kLanguageSection), QString::fromLatin1(kLanguageKey),
                                code);
}

} // namespace vexlor
