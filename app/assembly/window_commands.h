#pragma once

#include "window/app_services.h"
#include "commands/access_box.h"

#include <QStringList>

#include <memory>

namespace vexlor {

class BackupCommands;
class BikeCommands;
class HistoryDialog;
class OperationRecords;
class BackupStore;
class ControllerCommands;
class ControllerSession;
class DocumentCommands;
class FileAssociation;
class HelpCommands;
class InputRules;
class LanguageOptions;
class MainWindow;
class ParameterBinding;
class PlausibilityMarkers;
class ProfileCommands;
class ProfileStore;
class RoadClassOptions;
class SetupCommands;
class UnitOptions;
class ShopCommands;
class WriteSafetyOptions;

// Everything behind the window's menu: the input rules, the binding over
// the window's controls and the warning signs beside them, the backups, every command and the options kept in
// config.ini, each built over the narrow views the window hands out and
// wired to its actions. Part of WindowAssembly; goes before the window.
class WindowCommands {
public:
    // Each reference must outlive the commands.
    WindowCommands(MainWindow &window, const DesktopServices &desktop, ControllerSession &session,
                   const StartValues &start);
    ~WindowCommands();

    // The fixed start-up sequence, once, after the desktop's parts know
    // their window.
    void startUp();

    [[nodiscard]] ParameterBinding &binding() { return *m_binding; }
    [[nodiscard]] DocumentCommands &documents() { return *m_documents; }
    [[nodiscard]] OperationRecords &records() { return *m_records; }
    // What the box for a port refused for lack of permission says.
    void setAccessAdvisor(AccessAdvisor advisor);
    // Connect > History... shows `history`; its rows open into the window
    // and make their settings sheets through the commands.
    void connectHistory(HistoryDialog &history);

private:
    void buildCommands(const DesktopServices &desktop, ControllerSession &session,
                       const StartValues &start);
    void buildRecords(const DesktopServices &desktop, ControllerSession &session, const StartValues &start);
    void connectActions();
    void connectWindow();
    void openStartDocument();

    MainWindow &m_window;
    FileAssociation &m_fileAssociation;
    const QStringList m_commandLine;

    InputRules *m_rules = nullptr;
    WriteSafetyOptions *m_writeOptions = nullptr;
    LanguageOptions *m_languageOptions = nullptr;
    RoadClassOptions *m_roadClassOptions = nullptr;
    UnitOptions *m_unitOptions = nullptr;
    std::unique_ptr<BackupStore> m_backups;
    // Destroyed before the widgets they work on.
    std::unique_ptr<ParameterBinding> m_binding;
    std::unique_ptr<PlausibilityMarkers> m_markers;
    std::unique_ptr<DocumentCommands> m_documents;
    std::unique_ptr<ControllerCommands> m_controller;
    std::unique_ptr<BackupCommands> m_backupCommands;
    std::unique_ptr<ProfileStore> m_profiles;
    std::unique_ptr<ProfileCommands> m_profileCommands;
    std::unique_ptr<HelpCommands> m_help;
    std::unique_ptr<ShopCommands> m_shop;
    std::unique_ptr<OperationRecords> m_records;
    std::unique_ptr<BikeCommands> m_bike;
    std::unique_ptr<SetupCommands> m_setup;
};

} // namespace vexlor
