#pragma once

#include <QString>
#include <QTranslator>

namespace vexlor {

// The translations of one language, installed into the application for the
// lifetime of this object: the tool's own (vexlor_<code>.qm, built into the
// program) and Qt's (qtbase_<code>.qm from Qt's translations folder, for the
// standard buttons and the command line's help) when the system has it.
// English installs nothing: the source texts are shown as they are.
// The number format never changes with the language: QLocale's default stays.
class UiTranslators {
public:
    explicit UiTranslators(const QString &code);
    ~UiTranslators();
    UiTranslators(const UiTranslators &) = delete;
    UiTranslators &operator=(const UiTranslators &) = delete;

    // The language in use: `code`, or "en" when the tool has no translation for it.
    [[nodiscard]] const QString &language() const { return m_language; }

private:
    QString m_language = QStringLiteral("en");
    QTranslator m_tool;
    QTranslator m_qt;
    bool m_toolInstalled = false;
    bool m_qtInstalled = false;
};

} // namespace vexlor
