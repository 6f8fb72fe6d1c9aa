#include "settings_file.h"

#include "files/whole_file.h"

#include "params/message_input.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <optional>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace vexlor {
namespace {

// The file's lines without their ends, and the end to write them with (the
// file's own when it has CR LF, else LF).
struct IniLines {
    QStringList lines;
    QString lineEnd = QStringLiteral("\n");
};

// The lines of the file; an empty list when it does not exist; nullopt when it
// exists but cannot be read (so a write does not replace what it never saw).
std::optional<IniLines> readLines(const QString &path)
{
    IniLines ini;
    QFile file(path);
    if (!file.exists())
        return ini;
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QString text = QString::fromUtf8(file.readAll());
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    if (text.contains(QStringLiteral("\r\n")))
        ini.lineEnd = QStringLiteral("\r\n");
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    ini.lines = text.split(u'\n');
    if (!ini.lines.isEmpty() && ini.lines.last().isEmpty())
        ini.lines.removeLast(); // the final line end adds no line
    return ini;
}

bool isComment(const QString &trimmed)
{
    return trimmed.startsWith(u';') || trimmed.startsWith(u'#');
}

// "[Name]" gives Name; any other line nullopt.
std::optional<QString> sectionName(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return trimmed.sliced(1, close - 1).trimmed();
}

// "key=value" gives key; any other line nullopt.
std::optional<QString> keyName(const QString &line)
{
    const QString trimmed = line.trimmed();
    const qsizetype equals = trimmed.indexOf(u'=');
    if (equals <= 0 || isComment(trimmed))
        return std::nullopt;
    return trimmed.first(equals).trimmed();
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

qsizetype findSection(const QStringList &lines, const QString &section)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto name = sectionName(lines[i]);
        if (name && sameName(*name, section))
            return i;
    }
    return -1;
}

// Sets `key` in `section` to `value`: the key's line is replaced; a missing
// key goes after the section's last non-blank line, a missing section at the end.
void setKey(QStringList &lines, const QString &section, const QString &key, const QString &value)
{
    const QString entry = key + u'=' + value;
    const qsizetype start = findSection(lines, section);
    if (start < 0) {
        lines << u'[' + section + u']' << entry;
        return;
    }
    qsizetype insertAt = start + 1;
    for (qsizetype i = start + 1; i < lines.size() && !sectionName(lines[i]); ++i) {
        const auto name = keyName(lines[i]);
        if (name && sameName(*name, key)) {
            lines[i] = entry;
            return;
        }
        if (!lines[i].trimmed().isEmpty())
            insertAt = i + 1;
    }
    lines.insert(insertAt, entry);
}

} // namespace

SettingsFile::SettingsFile(const QString &path) : m_path(QFileInfo(path).absoluteFilePath()) {}

QString SettingsFile::readString(const QString &section, const QString &key) const
{
    const auto ini = readLines(m_path);
    if (!ini)
        return {};
    const qsizetype start = findSection(ini->lines, section);
    if (start < 0)
        return {};
    for (qsizetype i = start + 1; i < ini->lines.size() && !sectionName(ini->lines[i]); ++i) {
        const auto name = keyName(ini->lines[i]);
        if (name && sameName(*name, key)) {
            const QString &line = ini->lines[i];
            return line.sliced(line.indexOf(u'=') + 1).trimmed();
        }
    }
    return {};
}

SettingsWriteResult SettingsFile::writeString(const QString &section, const QString &key,
                                              const QString &value)
{
    return writeStrings(section, {{key, value}});
}

SettingsWriteResult SettingsFile::writeStrings(const QString &section, const QList<SettingsEntry> &entries)
{
    //: %1 the path of config.ini
    const SettingsWriteResult failed{
        QCoreApplication::translate("Files", "Unable to write to %1").arg(inputForMessage(m_path))};
    auto ini = readLines(m_path);
    if (!ini)
        return failed;
    for (const SettingsEntry &entry : entries)
        setKey(ini->lines, section, entry.key, entry.value);
    QString text;
    for (const QString &line : std::as_const(ini->lines))
        text += line + ini->lineEnd;
    // A writable file in a folder that is not writable is still written, in place.
    if (!writeWholeFile(m_path, text.toUtf8(), InPlaceWrite::Allowed))
        return failed;
    return {};
}

#ifndef Q_OS_WIN // windows_settings_folder.cpp
bool isPortableProgramFolder(const QString &programFolder)
{
    const QFileInfo folder(programFolder);
    if (!folder.isDir() || !folder.isWritable())
        return false;
    // Root may write anywhere: a folder is a portable copy's only when it
    // belongs to whoever runs the program, so sudo never writes into the
    // system's program folders.
    if (folder.ownerId() != uint(::geteuid()))
        return false;
    // Both canonical: with a home reached through a link, ~/.local/bin is
    // the same folder by either path.
    const QString path = QDir::cleanPath(folder.canonicalFilePath());
    const QString userPrograms = QFileInfo(QDir::homePath() + QStringLiteral("/.local/bin")).canonicalFilePath();
    if (!userPrograms.isEmpty() && path == userPrograms)
        return false;
    static const char *const kInstalledPrefixes[] = {"/usr", "/opt", "/bin", "/sbin", "/lib",
                                                     "/lib64", "/snap", "/app", "/nix", "/etc"};
    for (const char *prefix : kInstalledPrefixes) {
        const QString p = QString::fromLatin1(prefix);
        if (path == p || path.startsWith(p + u'/'))
            return false;
    }
    return true;
}

QString settingsFolderFor(const QString &programFolder)
{
    if (isPortableProgramFolder(programFolder))
        return QFileInfo(programFolder).absoluteFilePath();
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

#endif

} // namespace vexlor
