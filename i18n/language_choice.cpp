#include "language_choice.h"

#include <array>

namespace vexlor {
namespace {

constexpr std::array kLanguages = {
    UiLanguage{"en", "English"},  UiLanguage{"de", "Deutsch"},  UiLanguage{"fr", "Français"},
    UiLanguage{"nl", "Nederlands"}, UiLanguage{"es", "Español"}, UiLanguage{"it", "Italiano"},
    UiLanguage{"pl", "Polski"},
};

// "de_AT.UTF-8@euro" -> "de"
QString languageOf(const QString &localeName)
{
    QString language = localeName;
    for (const QChar end : {u'@', u'.', u'_', u'-'}) {
        const qsizetype at = language.indexOf(end);
        if (at >= 0)
            language.truncate(at);
    }
    return language.toLower();
}

bool isCLocale(const QString &localeName)
{
    return localeName.isEmpty() || localeName == u"C" || localeName == u"POSIX"
        || localeName.startsWith(u"C.");
}

} // namespace

std::span<const UiLanguage> uiLanguages()
{
    return kLanguages;
}

bool isUiLanguage(const QString &code)
{
    for (const UiLanguage &language : kLanguages) {
        if (code == QLatin1String(language.code))
            return true;
    }
    return false;
}

QStringList desktopLanguages(const QProcessEnvironment &environment)
{
    QString messages;
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = environment.value(QString::fromLatin1(variable));
        if (!messages.isEmpty())
            break;
    }
    if (isCLocale(messages))
        return {};
    const QString preference = environment.value(QStringLiteral("LANGUAGE"));
    const QStringList names = preference.isEmpty() ? QStringList{messages} : preference.split(u':');
    QStringList languages;
    for (const QString &name : names) {
        if (!isCLocale(name))
            languages << languageOf(name);
    }
    return languages;
}

QString chooseUiLanguage(const QString &saved, const QStringList &desktop)
{
    if (isUiLanguage(saved))
        return saved;
    for (const QString &language : desktop) {
        if (isUiLanguage(language))
            return language;
    }
    return QStringLiteral("en");
}

} // namespace vexlor
