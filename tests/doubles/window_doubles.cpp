#include "window_doubles.h"

#include "window/program_info.h"

#include <QDir>

using namespace vexlor;

void RecordingMessageBoxes::standardError(const QString &message)
{
    shown.append({QStringLiteral("standard"), QString(), standardErrorText(message)});
}

void RecordingMessageBoxes::error(const QString &caption, const QString &text)
{
    shown.append({QStringLiteral("error"), caption, text});
    if (onShown)
        onShown();
}

void RecordingMessageBoxes::information(const QString &caption, const QString &text)
{
    shown.append({QStringLiteral("information"), caption, text});
    if (onShown)
        onShown();
}

bool RecordingMessageBoxes::question(const QString &caption, const QString &text)
{
    shown.append({QStringLiteral("question"), caption, text});
    return answerYes;
}

void RecordingMessageBoxes::showError(const QString &caption, const QString &text,
                                      std::function<void()> closed)
{
    shown.append({QStringLiteral("error"), caption, text});
    if (holdReports)
        openReports.append(std::move(closed));
    else if (closed)
        closed();
}

void RecordingMessageBoxes::closeReport()
{
    if (!openReports.isEmpty())
        openReports.takeFirst()();
}

void RecordingShell::open(const QUrl &target)
{
    opened.append(target);
    if (log)
        log->append({QStringLiteral("open"), QString(), target.toString()});
}

QString ScriptedFileDialogs::chooseFileToOpen()
{
    asked.append(QStringLiteral("open"));
    return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
}

QString ScriptedFileDialogs::chooseFileToSave()
{
    asked.append(QStringLiteral("save"));
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

ComparisonChoice RecordingSafetyDialogs::showComparison(const QList<DifferenceRow> &rows)
{
    comparisons.append(rows);
    shown(QStringLiteral("comparison"));
    return comparisonAnswer;
}

QString RecordingSafetyDialogs::chooseBackup(const QList<BackupRow> &rows)
{
    backupLists.append(rows);
    shown(QStringLiteral("backups"));
    return backupAnswer >= 0 && backupAnswer < rows.size() ? rows[backupAnswer].path : QString();
}

void RecordingSafetyDialogs::showVerifyFailure(const QList<DifferenceRow> &rows)
{
    verifyFailures.append(rows);
    shown(QStringLiteral("verify failure"));
}

void RecordingSafetyDialogs::shown(const QString &kind)
{
    if (onShown)
        onShown(kind);
}

bool RecordingFileAssociation::registerFileType(const QString &extension, const QString &typeName,
                                                const QString &applicationPath,
                                                const QString &description)
{
    registered.append({extension, typeName, applicationPath, description});
    return true;
}

WindowDoubles::WindowDoubles(const QString &settingsFolder)
    : settings(QDir(settingsFolder.isEmpty() ? ownSettingsFolder.path() : settingsFolder)
                   .filePath(QLatin1String(kSettingsFileName)))
{
}

void WindowDoubles::joinOneLog()
{
    shell.log = &log;
    safetyDialogs.onShown = [this](const QString &kind) { log.append({kind, QString(), QString()}); };
}

std::unique_ptr<WindowAssembly> WindowDoubles::assemble(ControllerLinkParts link,
                                                        const QStringList &commandLine,
                                                        const QString &language)
{
    auto assembly = std::make_unique<WindowAssembly>(
        DesktopServices{boxes, shell, dialogs, safetyDialogs, association}, std::move(link),
        StartValues{settings, executableFolder(), NumberFormat::fromLocale(), backupFolder.path(),
                    commandLine, language});
    assembly->window().startUp();
    return assembly;
}
