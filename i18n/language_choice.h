#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <span>

namespace vexlor {

// A language the tool speaks: its code, as config.ini and the translation
// files name it, and its name in itself, as Help > Language lists it.
struct UiLanguage {
    const char *code;       // "de"
    const char *nativeName; // "Deutsch"; never translated
};

// English, the source language, first; then every language with a
// translation file in i18n/ (vexlor_<code>.ts).
[[nodiscard]] std::span<const UiLanguage> uiLanguages();

// Whether `code` is one of uiLanguages().
[[nodiscard]] bool isUiLanguage(const QString &code);

// The desktop's message languages in order of preference, as gettext reads
// them: the locale for messages is LC_ALL, else LC_MESSAGES, else LANG; under
// "C" or "POSIX" (or when none is set) the list is empty and everything stays
// English; otherwise LANGUAGE ("de:fr") when set, else that locale. Each entry
// is reduced to its language ("de_AT.UTF-8@euro" gives "de"). QLocale's own
// list is not used: it reads LANGUAGE even under LC_ALL=C.
[[nodiscard]] QStringList desktopLanguages(const QProcessEnvironment &environment);

// The language to show: `saved` (the window's choice in config.ini) when it is
// one the tool speaks, else the first of `desktop` it speaks, else English.
[[nodiscard]] QString chooseUiLanguage(const QString &saved, const QStringList &desktop);

} // namespace vexlor
