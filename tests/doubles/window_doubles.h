#pragma once

// The window's test doubles, one of each: recorders for the boxes, the
// desktop and the dialogs, a port list and bridge lines, and the folders of
// the window's own files, all in one WindowDoubles that builds the window
// through the same assembly the program uses. The window tests and the
// screenshot tool use them.

#include "fake_system.h"
#include "fakes.h"

#include "commands/shell_opener.h"
#include "desktop/file_association.h"
#include "dialogs/file_dialogs.h"
#include "dialogs/message_boxes.h"
#include "dialogs/safety_dialogs.h"
#include "register/record_register.h"
#include "settings/settings_file.h"
#include "basics/program_info.h"
#include "assembly/window_assembly.h"

#include <QDir>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <QWindow>

#include <functional>
#include <memory>
#include <optional>

// The window's caption as its title bar shows it: Qt's rendering of the
// title, whose "[*]" becomes the modified mark "*" or nothing.
inline QString shownCaption(const QWidget *window)
{
    return window->windowHandle() ? window->windowHandle()->title() : QString();
}

// One box, dialog or document handed to the desktop, as the window showed it.
struct ShownItem {
    QString kind; // "standard", "error", "information", "question", "save", "open", or a dialog's
    QString caption;
    QString text; // the box's text, or the opened URL
    QString offer = {}; // a box's second button beside OK, if it has one
};

// Records the boxes the window would show instead of blocking on them, in
// `shown` (a log of their own, or one shared with other recorders).
class RecordingMessageBoxes final : public vexlor::MessageBoxes {
public:
    RecordingMessageBoxes() : shown(m_own) {}
    explicit RecordingMessageBoxes(QList<ShownItem> &log) : shown(log) {}

    QList<ShownItem> &shown;
    bool answerYes = true;
    // Runs as each error or information box appears, to look at the window while it is open.
    std::function<void()> onShown;
    // Reports shown without waiting stay open until the test closes them.
    bool holdReports = false;
    QList<std::function<void()>> openReports;

    void standardError(const QString &message) override
    {
        shown.append({QStringLiteral("standard"), QString(), vexlor::standardErrorText(message)});
    }
    // The line typed into a text box (Connect > Bike...); nullopt cancels.
    std::optional<QString> textAnswer;
    std::optional<QString> askText(const QString &caption, const QString &label, const QString &current) override
    {
        shown.append({QStringLiteral("text"), caption, label + u' ' + current});
        return textAnswer;
    }
    void error(const QString &caption, const QString &text) override
    {
        shown.append({QStringLiteral("error"), caption, text});
        if (onShown)
            onShown();
    }
    void information(const QString &caption, const QString &text) override
    {
        shown.append({QStringLiteral("information"), caption, text});
        if (onShown)
            onShown();
    }
    bool question(const QString &caption, const QString &text) override
    {
        shown.append({QStringLiteral("question"), caption, text});
        return answerYes;
    }
    // The question before unsaved values go: answered Discard unless the
    // test says otherwise; `onSaveAsked` looks at the window while it is open.
    vexlor::SaveChoice saveAnswer = vexlor::SaveChoice::Discard;
    std::function<void()> onSaveAsked;
    vexlor::SaveChoice askToSave(const QString &caption, const QString &text) override
    {
        shown.append({QStringLiteral("save"), caption, text});
        if (onSaveAsked)
            onSaveAsked();
        return saveAnswer;
    }
    void showError(const QString &caption, const QString &text,
                   std::function<void()> closed) override
    {
        shown.append({QStringLiteral("error"), caption, text});
        if (holdReports)
            openReports.append(std::move(closed));
        else if (closed)
            closed();
    }
    // Boxes that offer more help (the connection doctor): taken when
    // `takeOffer` says so.
    bool takeOffer = false;
    bool errorWithOffer(const QString &caption, const QString &text, const QString &offer) override
    {
        shown.append({QStringLiteral("error"), caption, text, offer});
        if (onShown)
            onShown();
        return takeOffer;
    }
    void showErrorWithOffer(const QString &caption, const QString &text, const QString &offer,
                            std::function<void()> taken) override
    {
        shown.append({QStringLiteral("error"), caption, text, offer});
        if (takeOffer && taken)
            taken();
    }

    // The user closes the oldest report still open.
    void closeReport()
    {
        if (!openReports.isEmpty())
            openReports.takeFirst()();
    }

private:
    QList<ShownItem> m_own;
};

// Records what the window hands to the desktop, and joins `log` when given one.
class RecordingShell final : public vexlor::ShellOpener {
public:
    QList<QUrl> opened;
    QList<ShownItem> *log = nullptr;
    bool starts = true; // whether a program could be started for the target
    void open(const QUrl &target, Reported reported = {}) override
    {
        opened.append(target);
        if (log)
            log->append({QStringLiteral("open"), QString(), target.toString()});
        if (reported)
            reported(starts);
    }
};

// Answers the file dialogs with names queued by the test; an empty queue
// cancels. Records which dialog was asked.
class ScriptedFileDialogs final : public vexlor::FileDialogs {
public:
    QStringList openAnswers;
    QStringList saveAnswers;
    QStringList sheetAnswers;
    QList<vexlor::ProfileDraft> profileAnswers;
    QStringList asked; // "open", "save", "sheet", "profile"
    QStringList suggestedSheetNames;

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
    QString chooseSheetFile(const QString &suggestedName) override
    {
        asked.append(QStringLiteral("sheet"));
        suggestedSheetNames.append(suggestedName);
        return sheetAnswers.isEmpty() ? QString() : sheetAnswers.takeFirst();
    }
    std::optional<vexlor::ProfileDraft> chooseProfileToSave() override
    {
        asked.append(QStringLiteral("profile"));
        if (profileAnswers.isEmpty())
            return std::nullopt;
        return profileAnswers.takeFirst();
    }
};

// Records the comparisons, backup lists, failed checks, questions before a
// write and road-class checks the window would show, and answers them as the
// test says.
class RecordingSafetyDialogs final : public vexlor::SafetyDialogs {
public:
    QList<QList<vexlor::DifferenceRow>> comparisons;
    QList<vexlor::FingerprintPair> comparisonFingerprints;
    QList<QList<vexlor::BackupRow>> backupLists;
    QList<QList<vexlor::DifferenceRow>> verifyFailures;
    QStringList limitQuestions; // the values beyond the limits listed by each "Write anyway?"
    QStringList roadClassQuestions; // the findings it listed, "" for none
    QStringList implausibleQuestions; // the warnings it listed, "" for none
    QList<vexlor::ParameterValues> roadChecks; // the values each check was shown
    vexlor::RoadCheckSetting roadCheckAnswer;  // what the check is left with
    QList<vexlor::SetupStart> setupStarts;     // what each setup assistant started from
    // Answers the setup assistant: Cancel unless the test says otherwise
    // (it may drive the real wizard here).
    std::function<vexlor::SetupChoice(const vexlor::SetupStart &)> setupAnswer;
    vexlor::ComparisonChoice comparisonAnswer = vexlor::ComparisonChoice::Close;
    int backupAnswer = 0; // the row chosen; -1 cancels
    bool writeAnyway = false; // the answer to "Write anyway?"
    // Runs as each dialog appears: "comparison", "backups", "verify failure",
    // "write anyway", "road check", "setup".
    std::function<void(const QString &kind)> onShown;

    vexlor::ComparisonChoice showComparison(const QList<vexlor::DifferenceRow> &rows,
                                            const vexlor::FingerprintPair &fingerprints) override
    {
        comparisons.append(rows);
        comparisonFingerprints.append(fingerprints);
        shown(QStringLiteral("comparison"));
        return comparisonAnswer;
    }
    QString chooseBackup(const QList<vexlor::BackupRow> &rows) override
    {
        backupLists.append(rows);
        shown(QStringLiteral("backups"));
        return backupAnswer >= 0 && backupAnswer < rows.size() ? rows[backupAnswer].path
                                                                : QString();
    }
    void showVerifyFailure(const QList<vexlor::DifferenceRow> &rows) override
    {
        verifyFailures.append(rows);
        shown(QStringLiteral("verify failure"));
    }
    bool confirmWriteAnyway(const vexlor::WriteWarnings &warnings) override
    {
        limitQuestions.append(warnings.outsideLimits);
        roadClassQuestions.append(warnings.roadClassFindings);
        implausibleQuestions.append(warnings.implausible);
        shown(QStringLiteral("write anyway"));
        return writeAnyway;
    }
    vexlor::RoadCheckSetting checkRoadClass(const vexlor::ParameterValues &values, vexlor::NumberFormat,
                                            const vexlor::RoadCheckSetting &) override
    {
        roadChecks.append(values);
        shown(QStringLiteral("road check"));
        return roadCheckAnswer;
    }
    vexlor::SetupChoice chooseSetupValues(const vexlor::SetupStart &start) override
    {
        setupStarts.append(start);
        shown(QStringLiteral("setup"));
        return setupAnswer ? setupAnswer(start) : vexlor::SetupChoice{};
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

// The register in memory: keeps every record, newest first, unless the test
// has it refuse them with `refusal`; says what a shop's register says when
// the test sets `waiting` (a record waits for the server) or `source`.
class KeptRecords final : public vexlor::Register {
public:
    QList<vexlor::RegisterRecord> kept;
    QString refusal;
    QString waiting;
    QString source;

    QString add(const vexlor::RegisterRecord &record) override
    {
        if (refusal.isEmpty())
            kept.prepend(record);
        return refusal;
    }
    QList<vexlor::RegisterRecord> records(QString &error) override
    {
        error = refusal;
        return refusal.isEmpty() ? kept : QList<vexlor::RegisterRecord>();
    }
    QString location() const override { return QStringLiteral("memory"); }
    QString waitingNote() const override { return waiting; }
    QString readNote() const override { return source; }
};

// Everything outside the window, doubled: the recorders, a port list without
// ports until a test adds some, bridge lines, the machine the connection
// doctor reads (empty until a test fills it), config.ini in a folder of its
// own (or in `settingsFolder`) and the backups in another, never beside the
// program or in the user's home.
struct WindowDoubles {
    explicit WindowDoubles(const QString &settingsFolder = {})
        : settings(QDir(settingsFolder.isEmpty() ? ownSettingsFolder.path() : settingsFolder)
                       .filePath(QLatin1String(vexlor::kSettingsFileName)))
    {
    }

    QList<ShownItem> log; // the boxes; after joinOneLog() also the desktop and the dialogs
    RecordingMessageBoxes boxes{log};
    RecordingShell shell;
    ScriptedFileDialogs dialogs;
    RecordingSafetyDialogs safetyDialogs;
    RecordingFileAssociation association;
    FakePortLister lister;
    FakeBridgeLines bridges;
    FakeSystem system;
    QTemporaryDir ownSettingsFolder;
    QTemporaryDir backupFolder;
    QTemporaryDir profileFolder;
    vexlor::SettingsFile settings;
    KeptRecords records;

    // The shell and the dialogs enter `log` too, in order with the boxes.
    void joinOneLog()
    {
        shell.log = &log;
        safetyDialogs.onShown = [this](const QString &kind) {
            log.append({kind, QString(), QString()});
        };
    }

    // The window over these doubles and `link`, built by the program's own
    // assembly, its start-up run.
    [[nodiscard]] std::unique_ptr<vexlor::WindowAssembly>
    assemble(vexlor::ControllerLinkParts link, const QStringList &commandLine = {},
             const QString &language = QStringLiteral("en"))
    {
        auto assembly = std::make_unique<vexlor::WindowAssembly>(
            vexlor::DesktopServices{boxes, shell, dialogs, safetyDialogs, association},
            std::move(link),
            vexlor::StartValues{settings, vexlor::executableFolder(),
                                vexlor::NumberFormat::fromLocale(), backupFolder.path(),
                                commandLine, language, profileFolder.path(), &records},
            system);
        assembly->startUp();
        return assembly;
    }
};
