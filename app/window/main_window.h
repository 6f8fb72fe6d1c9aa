#pragma once

#include "app_services.h"
#include "basics/status_strip.h"
#include "basics/window_actions.h"
#include "basics/window_caption.h"
#include "commands/access_box.h"
#include "pages/window_controls.h"

#include "params/number_text.h"

#include <QMainWindow>

#include <memory>

class QTabWidget;

namespace vexlor {

class BackupCommands;
class BackupStore;
class ControllerCommands;
class ControllerSession;
class DocumentCommands;
class HelpCommands;
class InputRules;
class LanguageOptions;
class ParameterBinding;
class RoadClassOptions;
class ShopCommands;
class WriteSafetyOptions;

// The tool's one working window (TForm1): every parameter as a control on the
// "General" and "Motor" tabs, the menu bar, the tool bar and the status strip.
// Construction builds and wires it; startUp() runs the fixed start-up sequence.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Each reference must outlive the window.
    MainWindow(const DesktopServices &desktop, ControllerSession &session, const StartValues &start,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence, once, after the desktop's parts know their window.
    void startUp();

    [[nodiscard]] const QString &programTitle() const { return m_caption.programTitle(); }
    // The executable's folder, ending in a separator.
    [[nodiscard]] const QString &programFolder() const { return m_programFolder; }
    [[nodiscard]] bool decimalCommaLocale() const { return m_numberFormat.decimalComma; }
    [[nodiscard]] const NumberFormat &numberFormat() const { return m_numberFormat; }

    [[nodiscard]] const WindowActions &actions() const { return m_actions; }
    [[nodiscard]] ParameterBinding &binding() { return *m_binding; }
    [[nodiscard]] DocumentCommands &documents() { return *m_documents; }
    // What the box for a port refused for lack of permission says.
    void setAccessAdvisor(AccessAdvisor advisor);

signals:
    // Help > Connection Doctor..., or a box's offer of it: the program's entry
    // shows the doctor.
    void connectionDoctorRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildWindow();
    void buildCommands(const DesktopServices &desktop, ControllerSession &session,
                       const StartValues &start);
    void connectCommands();

    // The start-up steps, in the order startUp() runs them.
    void showGeneralTab();
    void acceptDroppedFiles();
    void registerFileAssociation();
    void startControllerLink();
    void applyLevelRule();
    void selectDefaultWheelSize();
    void fitProgressToTransaction();
    void loadRecentMenu();
    void loadWriteOptions();
    void loadLanguageChoice();
    void loadRoadClassChoice();
    void openStartDocument();

    // Closing: the controller link is released first, after the question
    // about unsaved changes.
    void releaseControllerThenClose();

    MessageBoxes &m_boxes;
    ShellOpener &m_shell;
    FileAssociation &m_fileAssociation;
    const QStringList m_commandLine;
    const QString m_programFolder;
    const NumberFormat m_numberFormat;

    WindowCaption m_caption;
    bool m_closing = false;
    bool m_placed = false; // centred on the first showing

    WindowActions m_actions;
    WindowControls m_controls;
    StatusStrip m_strip;
    QTabWidget *m_pages = nullptr; // PageControl1
    InputRules *m_rules = nullptr;
    WriteSafetyOptions *m_writeOptions = nullptr;
    LanguageOptions *m_languageOptions = nullptr;
    RoadClassOptions *m_roadClassOptions = nullptr;
    std::unique_ptr<BackupStore> m_backups;
    // Destroyed before the widgets they work on.
    std::unique_ptr<ParameterBinding> m_binding;
    std::unique_ptr<DocumentCommands> m_documents;
    std::unique_ptr<ControllerCommands> m_controller;
    std::unique_ptr<BackupCommands> m_backupCommands;
    std::unique_ptr<HelpCommands> m_help;
    std::unique_ptr<ShopCommands> m_shop;
};

} // namespace vexlor
