#pragma once

#include "commands/shell_opener.h"
#include "dialogs/file_dialogs.h"
#include "dialogs/message_boxes.h"
#include "dialogs/safety_dialogs.h"
#include "window/app_services.h"
#include "window/main_window.h"
#include "window/program_info.h"

#include "config/file_association.h"
#include "config/settings_file.h"
#include "session/controller_session.h"

#include "fake_serial_port.h"
#include "fakes.h"

#include <QDir>
#include <QLocale>
#include <QTabWidget>
#include <QList>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <functional>

#include <memory>

// Records the boxes the window would show instead of blocking on them.
class RecordingMessageBoxes final : public vexlor::MessageBoxes {
public:
    struct Box {
        QString kind; // "standard", "error", "information", "question"
        QString caption;
        QString text;
    };
    QList<Box> shown;
    bool answerYes = true;

    void standardError(const QString &message) override
    {
        shown.append({QStringLiteral("standard"), QString(), vexlor::standardErrorText(message)});
    }
    void error(const QString &caption, const QString &text) override
    {
        shown.append({QStringLiteral("error"), caption, text});
    }
    void information(const QString &caption, const QString &text) override
    {
        shown.append({QStringLiteral("information"), caption, text});
    }
    bool question(const QString &caption, const QString &text) override
    {
        shown.append({QStringLiteral("question"), caption, text});
        return answerYes;
    }
};

// Records what the window hands to the desktop.
class RecordingShell final : public vexlor::ShellOpener {
public:
    QList<QUrl> opened;
    void open(const QUrl &target) override { opened.append(target); }
};

// Answers the file dialogs with names queued by the test; an empty queue
// cancels. Records which dialog was asked.
class ScriptedFileDialogs final : public vexlor::FileDialogs {
public:
    QStringList openAnswers;
    QStringList saveAnswers;
    QStringList asked; // "open", "save"

    QString chooseFileToOpen() override
    {
        asked.append(QStringLiteral("open"));
        return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
    }
    QString chooseFileToSave() override
    {
        asked.append(QStringLiteral("save"));
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
};

// Records the comparisons, backup lists and failed checks the window would
// show, and answers them as the test says.
class RecordingSafetyDialogs final : public vexlor::SafetyDialogs {
public:
    QList<QList<vexlor::DifferenceRow>> comparisons;
    QList<QList<vexlor::BackupRow>> backupLists;
    QList<QList<vexlor::DifferenceRow>> verifyFailures;
    vexlor::ComparisonChoice comparisonAnswer = vexlor::ComparisonChoice::Close;
    int backupAnswer = 0; // the row chosen; -1 cancels
    // Runs as each dialog appears: "comparison", "backups", "verify failure".
    std::function<void(const QString &kind)> onShown;

    vexlor::ComparisonChoice showComparison(const QList<vexlor::DifferenceRow> &rows) override
    {
        comparisons.append(rows);
        shown(QStringLiteral("comparison"));
        return comparisonAnswer;
    }
    QString chooseBackup(const QList<vexlor::BackupRow> &rows) override
    {
        backupLists.append(rows);
        shown(QStringLiteral("backups"));
        return backupAnswer >= 0 && backupAnswer < rows.size() ? rows[backupAnswer].path : QString();
    }
    void showVerifyFailure(const QList<vexlor::DifferenceRow> &rows) override
    {
        verifyFailures.append(rows);
        shown(QStringLiteral("verify failure"));
    }

private:
    void shown(const QString &kind)
    {
        if (onShown)
            onShown(kind);
    }
};

// Records the file association instead of writing into the user's desktop.
class RecordingFileAssociation final : public vexlor::FileAssociation {
public:
    QList<QStringList> registered; // extension, type name, application, description

    bool registerFileType(const QString &extension, const QString &typeName,
                          const QString &applicationPath, const QString &description) override
    {
        registered.append({extension, typeName, applicationPath, description});
        return true;
    }
};

// A main window with recorders, shown and active so focus moves as it would
// for a user. Its config.ini lives in a folder of its own (or `settingsFolder`),
// never beside the test programs, its dialogs are scripted, and no controller
// cable is plugged in.
struct TestWindow {
    RecordingMessageBoxes boxes;
    RecordingShell shell;
    ScriptedFileDialogs dialogs;
    RecordingSafetyDialogs safetyDialogs;
    RecordingFileAssociation association;
    FakePortLister noPorts;
    FakeBridgeLines bridges;
    vexlor::ControllerSession session{std::make_unique<FakeSerialPort>(), noPorts, bridges, QString(),
                                      vexlor::NumberFormat::fromLocale()};
    QTemporaryDir ownSettingsFolder;
    QTemporaryDir ownBackupFolder;
    vexlor::SettingsFile settings;
    std::unique_ptr<vexlor::MainWindow> window;

    explicit TestWindow(const QStringList &commandLine = {}, const QString &settingsFolder = {},
                        const QString &language = QStringLiteral("en"))
        : settings(QDir(settingsFolder.isEmpty() ? ownSettingsFolder.path() : settingsFolder)
                       .filePath(QStringLiteral("config.ini")))
    {
        window = std::make_unique<vexlor::MainWindow>(vexlor::AppServices{
            .boxes = boxes,
            .shell = shell,
            .fileDialogs = dialogs,
            .safetyDialogs = safetyDialogs,
            .fileAssociation = association,
            .session = session,
            .settings = settings,
            .programFolder = vexlor::executableFolder(),
            .numberFormat = vexlor::NumberFormat::fromLocale(),
            .backupFolder = ownBackupFolder.path(),
            .commandLine = commandLine,
            .language = language,
        });
        window->startUp();
        window->show();
        window->activateWindow();
    }

    [[nodiscard]] bool isActive() { return QTest::qWaitForWindowActive(window.get()); }

    // Brings the tab holding `control` to the front, so it can take the focus.
    void showPageOf(QWidget *control) const
    {
        auto *pages = window->findChild<QTabWidget *>(QStringLiteral("PageControl1"));
        for (QWidget *w = control; w; w = w->parentWidget()) {
            if (pages->indexOf(w) >= 0) {
                pages->setCurrentWidget(w);
                return;
            }
        }
    }

    template <typename T>
    [[nodiscard]] T *control(const char *name) const
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
};

// Sets the default locale for the lifetime of the object.
class ScopedLocale {
public:
    explicit ScopedLocale(const QLocale &locale) : m_previous(QLocale()) { QLocale::setDefault(locale); }
    ~ScopedLocale() { QLocale::setDefault(m_previous); }
    ScopedLocale(const ScopedLocale &) = delete;
    ScopedLocale &operator=(const ScopedLocale &) = delete;

private:
    QLocale m_previous;
};
