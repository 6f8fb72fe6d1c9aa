#pragma once

// Files and folders for the document tests: a scratch folder that is also the
// current folder while a test runs, configuration files in it, and the reopen
// list as config.ini holds it.

#include "test_window.h"

#include "settings/recent_files.h"
#include "settings/settings_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class DocumentFixture {
public:
    DocumentFixture() : m_previousCurrent(QDir::currentPath())
    {
        QDir::setCurrent(m_work.path());
        QDir(m_work.path()).mkpath(QStringLiteral("settings"));
    }
    ~DocumentFixture() { QDir::setCurrent(m_previousCurrent); }
    DocumentFixture(const DocumentFixture &) = delete;
    DocumentFixture &operator=(const DocumentFixture &) = delete;

    [[nodiscard]] QString root() const { return m_work.path(); }
    [[nodiscard]] QString path(const QString &relative) const { return QDir(m_work.path()).filePath(relative); }
    // The folder config.ini lives in for the windows of this test.
    [[nodiscard]] QString settingsFolder() const { return path(QStringLiteral("settings")); }
    [[nodiscard]] QString settingsPath() const { return path(QStringLiteral("settings/config.ini")); }

    // Writes `bytes` to `relative` (folders made as needed); returns the full path.
    QString file(const QString &relative, const QByteArray &bytes) const
    {
        const QString full = path(relative);
        QDir().mkpath(QFileInfo(full).absolutePath());
        QFile f(full);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(full));
        return full;
    }

    // A one-pair file that sets the battery current, so reading it shows.
    QString currentFile(const QString &relative, const QByteArray &amps = "99.0") const
    {
        return file(relative, "1\r\n" + amps + "\r\n");
    }

    // Puts the four entries into config.ini before a window starts.
    void setRecentFiles(const vexlor::RecentFiles &entries) const
    {
        vexlor::SettingsFile settings(settingsPath());
        for (int k = 0; k < vexlor::kRecentFileCount; ++k) {
            if (!settings.writeString(QStringLiteral("Recent Files"), vexlor::recentFileKey(k + 1), entries[k]).ok())
                qFatal("cannot write config.ini");
        }
    }

    [[nodiscard]] vexlor::RecentFiles recentFiles() const
    {
        return vexlor::readRecentFiles(vexlor::SettingsFile(settingsPath()));
    }

    [[nodiscard]] QByteArray settingsText() const
    {
        QFile f(settingsPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // A window whose config.ini is this fixture's.
    [[nodiscard]] std::unique_ptr<TestWindow> window(const QStringList &commandLine = {}) const
    {
        return std::make_unique<TestWindow>(commandLine, settingsFolder());
    }

private:
    QTemporaryDir m_work;
    QString m_previousCurrent;
};

namespace QTest {
// Readable failures for the reopen list.
template <>
inline char *toString(const vexlor::RecentFiles &files)
{
    QStringList quoted;
    for (const QString &f : files)
        quoted << u'"' + f + u'"';
    return QTest::toString(quoted.join(QStringLiteral(", ")));
}
} // namespace QTest

inline QString windowCaption(const TestWindow &t, const QString &fileName)
{
    return t.window->programTitle() + QStringLiteral(" - ") + fileName;
}
