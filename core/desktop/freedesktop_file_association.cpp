#include "freedesktop_file_association.h"

#include "files/whole_file.h"
#include "settings/settings_file.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamWriter>

#include <algorithm>

namespace vexlor {
namespace {

// Runs a database tool on `folder` when it is installed; a missing tool is no
// failure (the desktop then finds the files on its own next scan).
bool startToolIfInstalled(const QString &tool, const QString &folder)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return true;
    return QProcess::startDetached(program, {folder});
}

} // namespace

FreedesktopFileAssociation::FreedesktopFileAssociation(QString applicationName, QString mimeType)
    : m_applicationName(std::move(applicationName)), m_mimeType(std::move(mimeType))
{
}

bool FreedesktopFileAssociation::registerFileType(const QString &extension, const QString &typeName,
                                                  const QString &applicationPath,
                                                  const QString &description)
{
    Q_UNUSED(typeName);
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString configHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (dataHome.isEmpty() || configHome.isEmpty())
        return false;
    const QDir mimeFolder(dataHome + QStringLiteral("/mime"));
    const QDir applications(dataHome + QStringLiteral("/applications"));
    const QString desktopEntry = QString::fromLatin1(kAssociationDesktopEntry);

    if (!writeWholeFile(mimeFolder.filePath(QStringLiteral("packages/")
                                            + QLatin1String(kAssociationMimePackage)),
                        mimePackageXml(m_mimeType, u'*' + extension, description)))
        return false;
    if (!writeWholeFile(applications.filePath(desktopEntry),
                        associationDesktopEntry(m_applicationName, applicationPath, m_mimeType)))
        return false;
    SettingsFile mimeApps(configHome + QStringLiteral("/mimeapps.list"));
    if (!mimeApps.writeString(QStringLiteral("Default Applications"), m_mimeType, desktopEntry + u';').ok())
        return false;
    const bool mimeUpdated = startToolIfInstalled(QStringLiteral("update-mime-database"), mimeFolder.path());
    const bool desktopUpdated =
        startToolIfInstalled(QStringLiteral("update-desktop-database"), applications.path());
    return mimeUpdated && desktopUpdated;
}

QString desktopExecArgument(const QString &argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool quoted = argument.isEmpty()
        || std::any_of(argument.begin(), argument.end(), [](QChar c) { return reserved.contains(c); });
    QString result;
    if (quoted)
        result += u'"';
    for (const QChar c : argument) {
        if (quoted && (c == u'"' || c == u'`' || c == u'$' || c == u'\\'))
            result += u'\\';
        result += c;
        if (c == u'%')
            result += u'%'; // a literal per-cent sign, not a field code
    }
    if (quoted)
        result += u'"';
    return result;
}

QString desktopStringValue(const QString &text)
{
    QString result;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\': result += QStringLiteral("\\\\"); break;
        case u'\n': result += QStringLiteral("\\n"); break;
        case u'\t': result += QStringLiteral("\\t"); break;
        case u'\r': result += QStringLiteral("\\r"); break;
        default: result += c;
        }
    }
    return result;
}

QByteArray mimePackageXml(const QString &mimeType, const QString &pattern, const QString &comment)
{
    QByteArray xml;
    QXmlStreamWriter w(&xml);
    w.setAutoFormatting(true);
    w.writeStartDocument();
    w.writeStartElement(QStringLiteral("mime-info"));
    w.writeDefaultNamespace(QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info"));
    w.writeStartElement(QStringLiteral("mime-type"));
    w.writeAttribute(QStringLiteral("type"), mimeType);
    w.writeTextElement(QStringLiteral("comment"), comment);
    w.writeEmptyElement(QStringLiteral("sub-class-of"));
    w.writeAttribute(QStringLiteral("type"), QStringLiteral("text/plain"));
    w.writeEmptyElement(QStringLiteral("glob"));
    w.writeAttribute(QStringLiteral("pattern"), pattern);
    w.writeEndElement();
    w.writeEndElement();
    w.writeEndDocument();
    return xml;
}

QByteArray associationDesktopEntry(const QString &applicationName, const QString &applicationPath,
                                   const QString &mimeType)
{
    // Hidden from menus: it exists only so the file manager opens the type
    // with this very executable (the packaged entry names the installed one).
    const QString exec = desktopExecArgument(applicationPath) + QStringLiteral(" %f");
    QString entry;
    entry += QStringLiteral("[Desktop Entry]\n");
    entry += QStringLiteral("Type=Application\n");
    entry += QStringLiteral("Name=") + desktopStringValue(applicationName) + u'\n';
    entry += QStringLiteral("Exec=") + desktopStringValue(exec) + u'\n';
    entry += QStringLiteral("MimeType=") + mimeType + QStringLiteral(";\n");
    entry += QStringLiteral("NoDisplay=true\n");
    entry += QStringLiteral("Terminal=false\n");
    return entry.toUtf8();
}

} // namespace vexlor
