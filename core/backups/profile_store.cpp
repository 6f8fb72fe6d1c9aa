#include "profile_store.h"

#include "backup_store.h"

#include "files/vxc_writer.h"
#include "files/whole_file.h"
#include "params/message_input.h"
#include "translation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace vexlor {
namespace {

constexpr const char *kContext = "Profiles";
constexpr const char *kNoName = QT_TRANSLATE_NOOP("Profiles", "A profile needs a name.");
//: %1 the largest number of characters
constexpr const char *kTooLong =
    QT_TRANSLATE_NOOP("Profiles", "A profile's name has at most %1 characters.");
//: %1 the characters refused, %2 the name given
constexpr const char *kBadCharacter = QT_TRANSLATE_NOOP(
    "Profiles", "A profile's name cannot hold %1 or control characters: \"%2\".");
//: %1 the name given; CON and NUL are names Windows keeps for devices
constexpr const char *kNoFileName = QT_TRANSLATE_NOOP(
    "Profiles", "\"%1\" cannot name a file on every system: a profile's name must not begin with a dot "
                "or a blank, end with a dot or a blank, or be a device name such as CON or NUL.");
//: %1 the name given
constexpr const char *kNotFound = QT_TRANSLATE_NOOP("Profiles", "No profile is named \"%1\".");

const QString kForbidden = QStringLiteral("/ \\ : * ? \" < > |");

bool holdsForbidden(const QString &name)
{
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || (c != u' ' && kForbidden.contains(c)))
            return true;
    }
    return false;
}

// Windows keeps these names for devices, with any extension and in any case.
bool isDeviceName(const QString &name)
{
    static const QRegularExpression device(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(\\..*)?$"),
                                           QRegularExpression::CaseInsensitiveOption);
    return device.match(name).hasMatch();
}

QString text(const char *source)
{
    return translated(kContext, source);
}

QString readNote(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.read(4096)).trimmed();
}

} // namespace

ProfileStore::ProfileStore(QString folder) : m_folder(std::move(folder)) {}

QString ProfileStore::defaultFolder()
{
    return folderBeside(BackupStore::defaultFolder());
}

QString ProfileStore::folderBeside(const QString &backupFolder)
{
    return QDir::cleanPath(backupFolder + QStringLiteral("/../profiles"));
}

QString ProfileStore::nameError(const QString &name)
{
    if (name.isEmpty())
        return text(kNoName);
    if (name.size() > kMaxNameLength)
        return text(kTooLong).arg(kMaxNameLength);
    if (holdsForbidden(name))
        return text(kBadCharacter).arg(kForbidden, inputForMessage(name));
    if (name.startsWith(u'.') || name.front().isSpace() || name.back().isSpace() || name.endsWith(u'.')
        || isDeviceName(name))
        return text(kNoFileName).arg(inputForMessage(name));
    return {};
}

QString ProfileStore::filePath(const QString &name, const char *suffix) const
{
    return QDir(m_folder).filePath(name + QLatin1String(suffix));
}

QList<Profile> ProfileStore::list() const
{
    QList<Profile> profiles;
    const QFileInfoList entries = QDir(m_folder).entryInfoList({QStringLiteral("*.vxc")}, QDir::Files);
    for (const QFileInfo &info : entries) {
        const QString name = info.completeBaseName();
        if (nameError(name).isEmpty())
            profiles.append({name, readNote(filePath(name, ".note")), info.absoluteFilePath()});
    }
    std::sort(profiles.begin(), profiles.end(), [](const Profile &a, const Profile &b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return profiles;
}

std::optional<Profile> ProfileStore::find(const QString &name) const
{
    if (!nameError(name).isEmpty())
        return std::nullopt;
    const QFileInfo info(filePath(name, ".vxc"));
    if (!info.isFile())
        return std::nullopt;
    return Profile{name, readNote(filePath(name, ".note")), info.absoluteFilePath()};
}

QString ProfileStore::notFoundMessage(const QString &name)
{
    return text(kNotFound).arg(inputForMessage(name));
}

QString ProfileStore::save(const QString &name, const QString &note,
                           const ParameterSnapshot &snapshot) const
{
    if (const QString error = nameError(name); !error.isEmpty())
        return error;
    // The note first: a profile listed is always a whole one.
    const QString notePath = filePath(name, ".note");
    if (!writeWholeFile(notePath, note.trimmed().toUtf8()))
        return cannotCreateFileMessage(notePath);
    return writeConfigurationFile(filePath(name, ".vxc"), snapshot).error;
}

} // namespace vexlor
