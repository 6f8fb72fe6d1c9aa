#include "data_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vexlor {

QString locateDataFile(const QString &name)
{
    const QString fromEnvironment = qEnvironmentVariable("VEXLOR_DATA_DIR");
    if (!fromEnvironment.isEmpty()) {
        const QString path = QDir(fromEnvironment).filePath(name);
        if (QFileInfo(path).isFile())
            return path;
    }
    // applicationDirPath() needs the application object; without one (a unit
    // test's helper) the current folder stands in.
    const QString programFolder =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    const QString beside = QDir(programFolder).filePath(name);
    if (QFileInfo(beside).isFile())
        return beside;
    // Installed under a prefix of its own (/opt/vexlor, ~/apps): the data
    // folder the install put beside bin/.
    const QString prefixData =
        QDir(programFolder).filePath(QStringLiteral("../share/vexlor-adjustor/") + name);
    if (QFileInfo(prefixData).isFile())
        return QDir::cleanPath(prefixData);
    const QString installed =
        QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("vexlor-adjustor/") + name);
    if (!installed.isEmpty())
        return installed;
    return beside;
}

} // namespace vexlor
