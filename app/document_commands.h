#pragma once

#include "app_services.h"

#include <QString>

#include <memory>

class QMimeData;
class QWidget;

namespace vexlor {

class FileAssociation;
class FileDialogs;
class MainWindow;
class SettingsFile;

// The window's documents: the current document (ConfigurationDocument), the
// commands New, Open, Save, Save As and Reopen 1..4, the reopen list in
// config.ini, the window's side of reading a file, and the ways the desktop
// hands files over (association, drops, command line).
class DocumentCommands {
public:
    // Null services in `services` select the real dialogs and the desktop.
    DocumentCommands(MainWindow &window, const AppServices &services);
    ~DocumentCommands();

    // ConfigurationDocument's path as given to the reader or chosen in Save
    // As; empty while the document has no file.
    [[nodiscard]] const QString &documentPath() const { return m_documentPath; }
    // config.ini; exists from createSettingsFile() on.
    [[nodiscard]] const SettingsFile &settingsFile() const { return *m_settings; }

    // Start-up, in FormCreate's order.
    void createSettingsFile(); // 4: config.ini in its folder
    void acceptDroppedFiles(); // 5: the whole window takes dropped files
    bool registerFileType();   // 6: .vxc with the desktop; the result is not needed
    void LoadRecentMenu();     // 15, and after every AddRecentFile
    void openCommandLineDocument(const QString &path); // 17

    // Reads `path` as the current document. The file is checked whole first:
    // a file that cannot be read or is malformed shows the error and changes
    // nothing. Then the caption names it, it becomes the current document,
    // enters the reopen list (unless it is a default file) and its values go
    // into the controls in file order. False when an error was shown.
    bool ReadConfigurationFile(const QString &path);

    void New1Click();
    void Open1Click();
    void Save1Click();
    void Saveas1Click();
    void reopenClick(int item); // N11Click .. N41Click, item 0..3

    // Dropped items: true when the drop is offered to HandleDropFiles.
    [[nodiscard]] static bool acceptsDrop(const QMimeData *mime);
    void HandleDropFiles(const QMimeData *mime);

private:
    void showDocumentName(const QString &fileName);
    void followFolderOf(const QString &chosenFile);
    [[nodiscard]] FileDialogs &dialogs();
    [[nodiscard]] bool askOldVersionQuestion();

    MainWindow &m_window;
    AppServices m_services;
    std::unique_ptr<FileDialogs> m_ownDialogs;
    std::unique_ptr<FileAssociation> m_ownAssociation;
    std::unique_ptr<SettingsFile> m_settings;
    QString m_documentPath;
    QString m_documentFile; // m_documentPath made absolute when it was read
};

} // namespace vexlor
