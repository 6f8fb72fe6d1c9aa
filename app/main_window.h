#pragma once

#include "app_services.h"
#include "window_actions.h"

#include "params/number_text.h"

#include <QMainWindow>

#include <memory>

class QComboBox;
class QLabel;
class QProgressBar;
class QTabWidget;
class QTimer;

namespace vexlor {

class ControllerCommands;
class DocumentCommands;
class InputRules;
class MessageBoxes;
class ParameterBinding;
class ShellOpener;

// The tool's one working window (TForm1): every parameter as a control on the
// "General" and "Motor" tabs, the menu bar, the tool bar and the status strip.
// Its creation runs FormCreate, the fixed start-up sequence.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(AppServices services = {}, QWidget *parent = nullptr);
    ~MainWindow() override;

    [[nodiscard]] const QString &programTitle() const { return m_programTitle; }
    // The executable's folder, ending in a separator.
    [[nodiscard]] const QString &programFolder() const { return m_programFolder; }
    [[nodiscard]] bool decimalCommaLocale() const { return m_numberFormat.decimalComma; }
    [[nodiscard]] NumberFormat numberFormat() const { return m_numberFormat; }

    [[nodiscard]] ParameterBinding &binding() { return *m_binding; }
    [[nodiscard]] InputRules &inputRules() { return *m_rules; }
    [[nodiscard]] const WindowActions &actions() const { return m_actions; }
    [[nodiscard]] MessageBoxes &messageBoxes() { return *m_boxes; }
    [[nodiscard]] ShellOpener &shell() { return *m_shell; }
    [[nodiscard]] DocumentCommands &documents() { return *m_documents; }
    [[nodiscard]] ControllerCommands &controller() { return *m_controller; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override; // HandleDropFiles

private:
    void buildWindow();
    void connectCommands();

    // The start-up sequence, steps 1 to 18, in this order.
    void FormCreate();
    void completeTitle();                  // 1
    void createSettingsFile();             // 4: config.ini beside the executable
    void acceptDroppedFiles();             // 5
    void registerFileAssociation();        // 6: .vxc with the desktop
    void takeNumberFormat();               // 7
    void discoverAndOpenControllerPort();  // 8 to 11, going on by themselves
    void loadRecentMenu();                 // 15
    [[nodiscard]] QString commandLineDocumentPath() const; // 16
    void openCommandLineDocument(const QString &path);     // 17

    // FormCloseQuery: always lets the window close, without a question.
    void FormCloseQuery();
    void releaseController(); // close the port, 200 ms later drop the bridge line

    void Exit1Click();
    void Timer1Timer();       // the device monitor
    void HelpTopics1Click();
    void TechnicalSupport1Click();
    void About1Click();

    // Commands of later work; wired now so menu, shortcut and tool bar reach them.
    void New1Click();
    void Open1Click();
    void Save1Click();
    void Saveas1Click();
    void reopenClick(int item); // N11Click .. N41Click, item 0..3
    void TestConnection1Click();
    void WriteControllerSettings1Click(); // reads when the sender is ReadSettings1

    std::unique_ptr<MessageBoxes> m_ownBoxes;
    std::unique_ptr<ShellOpener> m_ownShell;
    MessageBoxes *m_boxes = nullptr;
    ShellOpener *m_shell = nullptr;
    QStringList m_commandLine;

    QString m_programTitle;
    QString m_programFolder;
    NumberFormat m_numberFormat;
    bool m_closing = false;
    bool m_placed = false; // centred on the first showing

    WindowActions m_actions;
    QTabWidget *m_pages = nullptr; // PageControl1
    QTimer *m_timer = nullptr;     // Timer1
    QComboBox *m_wheelSize = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_linkState = nullptr; // Label15
    InputRules *m_rules = nullptr;
    std::unique_ptr<ParameterBinding> m_binding;
    std::unique_ptr<DocumentCommands> m_documents;
    std::unique_ptr<ControllerCommands> m_controller;
};

} // namespace vexlor
