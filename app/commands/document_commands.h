#pragma once

#include "window_value_access.h"

#include "params/number_text.h"
#include "params/parameter_snapshot.h"
#include "settings/recent_files.h"

#include <QObject>
#include <QString>

#include <array>

class QAction;
class QMimeData;

namespace vexlor {

class FileDialogs;
class InputRules;
class MessageBoxes;
class ParameterBinding;
class SettingsFile;
class WindowCaption;

// The window's documents: the current document (ConfigurationDocument), the
// commands New, Open, Save, Save As and Reopen 1..4, the reopen list in
// config.ini, the window's side of reading a file, and the files the desktop
// hands over (drops, command line). Also whether the window's values differ
// from the last ones opened, saved, read or written (the caption marks it),
// and the question before a command replaces values that differ.
class DocumentCommands : public QObject {
    Q_OBJECT
public:
    // Where the commands ask: boxes and the file dialogs.
    struct Desktop {
        MessageBoxes &boxes;
        FileDialogs &dialogs;
    };
    // What names the document: the caption, config.ini (`settings`, which
    // keeps the reopen list) and the Reopen submenu's four items.
    struct Naming {
        WindowCaption &caption;
        SettingsFile &settings;
        const std::array<QAction *, kRecentFileCount> &reopenItems;
    };
    // `numberFormat` reads the files. Everything must outlive the commands.
    DocumentCommands(WindowValueAccess values, Desktop desktop, Naming naming,
                     NumberFormat numberFormat, QObject *parent = nullptr);

    // ConfigurationDocument's path as given to the reader or chosen in Save
    // As; empty while the document has no file.
    [[nodiscard]] const QString &documentPath() const { return m_documentPath; }
    // Start-up: the reopen list into the menu; the file named on the command
    // line, when there is one.
    void loadRecentMenu(); // also after every change of the list
    void openCommandLineDocument(const QString &path);

    // Reads `path` as the current document. The file is checked whole first:
    // a file that cannot be read or is malformed shows the error and changes
    // nothing. Then the caption names it, it becomes the current document,
    // enters the reopen list (unless it is a default file) and its values go
    // into the controls in file order. A reopen list that cannot be saved is
    // reported and left as it was; the file is opened all the same. False
    // when the file was not read.
    bool loadDocument(const QString &path);

    // The window's values as they stand are the ones last opened, saved, read
    // from or written to the controller (`values`: those that were written).
    void markClean();
    void markClean(const ParameterSnapshot &values);
    [[nodiscard]] bool isModified() const;
    // Before values that differ from the clean ones are replaced or closed:
    // asks "Save the changes to <document>?". True when the caller may go on:
    // nothing differs, Discard, or Save and the save succeeded. False for
    // Cancel and for a save that was cancelled or failed.
    [[nodiscard]] bool settleUnsavedChanges();

    // Dropped items: true when the drop is offered to openDroppedFile().
    [[nodiscard]] static bool acceptsDrop(const QMimeData *mime);
    // The first dropped item, when it is a .vxc file; read once the drop is over.
    void openDroppedFile(const QMimeData *mime);

public slots:
    // New, Open and the Reopen items ask about unsaved changes first.
    void newDocument();
    void openDocument();
    // Save and Save As write nothing while a field holds what a write would
    // refuse; they show the write's message for the first such field. True
    // when the file was written.
    bool saveDocument();
    bool saveDocumentAs();
    void reopenRecent(int item); // Reopen item 0..3

private:
    // New without the question.
    void loadDefaults();
    // The caption's name of the document, "Untitled.vxc" while it has no file.
    [[nodiscard]] QString documentName() const;
    void showModified();
    void followFolderOf(const QString &chosenFile);
    // False (after the write's message for the first bad field) when a field
    // holds what a write could not send.
    [[nodiscard]] bool fieldsCanBeSaved();
    [[nodiscard]] bool askOldVersionQuestion();

    ParameterBinding &m_binding;
    InputRules &m_rules;
    MessageBoxes &m_boxes;
    FileDialogs &m_dialogs;
    WindowCaption &m_caption;
    SettingsFile &m_settings;
    const NumberFormat m_numberFormat;
    std::array<QAction *, kRecentFileCount> m_reopenItems;
    QString m_documentPath;
    QString m_documentFile; // m_documentPath made absolute when it was read
    ParameterSnapshot m_clean; // the values last opened, saved, read or written
};

} // namespace vexlor
