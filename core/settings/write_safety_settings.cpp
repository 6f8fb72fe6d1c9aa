#include "write_safety_settings.h"

namespace vexlor {
namespace {

bool readOption(const SettingsFile &settings, const char *key)
{
    return settings.readString(QString::fromLatin1(kWriteSafetySection), QString::fromLatin1(key))
        != u"0";
}

SettingsWriteResult writeOption(SettingsFile &settings, const char *key, bool on)
{
    return settings.writeString(QString::fromLatin1(kWriteSafetySection), QString::fromLatin1(key),
                                on ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace

WriteSafety readWriteSafety(const SettingsFile &settings)
{
    return {readOption(settings, kBackUpBeforeWriteKey), readOption(settings, kVerifyAfterWriteKey)};
}

SettingsWriteResult writeWriteSafety(SettingsFile &settings, const WriteSafety &safety)
{
    const SettingsWriteResult first = writeOption(settings, kBackUpBeforeWriteKey, safety.backUpBeforeWrite);
    if (!first.ok())
        return first;
    return writeOption(settings, kVerifyAfterWriteKey, safety.verifyAfterWrite);
}

} // namespace vexlor
