#include "registry_file_association.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>

#include <shlobj.h>

#include <optional>
#include <string>

namespace vexlor {
namespace {

std::wstring wide(const QString &text)
{
    return text.toStdWString();
}

// The default value of HKCU\<key>: nullopt when the key or value is missing.
std::optional<QString> readDefault(const QString &key)
{
    DWORD bytes = 0;
    const std::wstring path = wide(key);
    if (::RegGetValueW(HKEY_CURRENT_USER, path.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, nullptr,
                       &bytes)
        != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = DWORD(value.size() * sizeof(wchar_t));
    if (::RegGetValueW(HKEY_CURRENT_USER, path.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value.data(),
                       &bytes)
        != ERROR_SUCCESS)
        return std::nullopt;
    return QString::fromWCharArray(value.c_str());
}

// Writes `data` as the value `name` (empty: the default value) of HKCU\<key>,
// creating the key; REG_NONE without data when `data` is null.
bool writeValue(const QString &key, const QString &name, const std::optional<QString> &data)
{
    HKEY handle = nullptr;
    const std::wstring path = wide(key);
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                          &handle, nullptr)
        != ERROR_SUCCESS)
        return false;
    const std::wstring valueName = wide(name);
    LSTATUS status;
    if (data) {
        const std::wstring text = wide(*data);
        status = ::RegSetValueExW(handle, valueName.empty() ? nullptr : valueName.c_str(), 0, REG_SZ,
                                  reinterpret_cast<const BYTE *>(text.c_str()),
                                  DWORD((text.size() + 1) * sizeof(wchar_t)));
    } else {
        status = ::RegSetValueExW(handle, valueName.c_str(), 0, REG_NONE, nullptr, 0);
    }
    ::RegCloseKey(handle);
    return status == ERROR_SUCCESS;
}

bool writeDefault(const QString &key, const QString &data)
{
    return writeValue(key, QString(), data);
}

// Whether `command` starts a copy of this program (the same executable name),
// wherever it lies.
bool startsThisProgram(const QString &command, const QString &applicationPath)
{
    return QFileInfo(commandProgram(command)).fileName().compare(QFileInfo(applicationPath).fileName(),
                                                                 Qt::CaseInsensitive)
        == 0;
}

} // namespace

RegistryFileAssociation::RegistryFileAssociation(QString classesKey)
    : m_classesKey(std::move(classesKey))
{
}

bool RegistryFileAssociation::registerFileType(const QString &extension, const QString &typeName,
                                               const QString &applicationPath,
                                               const QString &description)
{
    const QString typeKey = m_classesKey + u'\\' + typeName;
    const QString commandKey = typeKey + QStringLiteral("\\shell\\open\\command");
    const std::optional<QString> command = readDefault(commandKey);
    if (command && !command->isEmpty() && !startsThisProgram(*command, applicationPath))
        return false; // the type name is another program's
    if (!writeDefault(typeKey, description) || !writeDefault(commandKey, openCommand(applicationPath)))
        return false;

    const QString extensionKey = m_classesKey + u'\\' + extension;
    bool ok = writeValue(extensionKey + QStringLiteral("\\OpenWithProgids"), typeName, std::nullopt);
    const std::optional<QString> current = readDefault(extensionKey);
    if (current && !current->isEmpty() && *current != typeName)
        ok = false; // the user's files of this kind open with another program
    else
        ok = writeDefault(extensionKey, typeName) && ok;
    ::SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
    return ok;
}

QString openCommand(const QString &applicationPath)
{
    QString program = QDir::toNativeSeparators(applicationPath);
    if (program.contains(u' '))
        program = u'"' + program + u'"';
    return program + QStringLiteral(" \"%1\"");
}

QString commandProgram(const QString &command)
{
    const QString text = command.trimmed();
    if (text.startsWith(u'"')) {
        const qsizetype close = text.indexOf(u'"', 1);
        return close < 0 ? text.mid(1) : text.mid(1, close - 1);
    }
    return text.section(u' ', 0, 0);
}

} // namespace vexlor
