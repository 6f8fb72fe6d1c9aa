#pragma once

#include <QList>

#include <array>

class QAction;
class QMenu;

namespace vexlor {

// The commands that talk to the controller, off while an exchange runs.
struct LinkActions {
    QAction *testConnection = nullptr; // TestConnection1
    QAction *readSettings = nullptr;   // ReadSettings1
    QAction *writeSettings = nullptr;  // WriteControllerSettings1
    QAction *compare = nullptr;        // CompareWithController1
};

// The commands of the menu bar, as the window built them (menu_bar.h) and
// the commands see them. Each action carries its control name as object
// name; the tool bar's buttons trigger the same actions.
struct WindowActions {
    QMenu *fileMenu = nullptr;    // FileF1
    QMenu *reopenMenu = nullptr;  // Reopen1
    QMenu *profilesMenu = nullptr; // Profiles1, filled with the profiles each time it opens
    QMenu *connectMenu = nullptr; // Connect1
    QMenu *helpMenu = nullptr;    // Help1
    QMenu *languageMenu = nullptr; // Language1, in Help
    QMenu *roadClassMenu = nullptr; // RoadClass1, in Connect
    QMenu *unitsMenu = nullptr;     // Units1, in Help

    QAction *newConfiguration = nullptr;  // New1
    QAction *newBikeSetup = nullptr;      // NewBikeSetup1
    QAction *open = nullptr;              // Open1, Ctrl+O
    std::array<QAction *, 4> reopen{};    // N11 .. N41
    QAction *restoreBackup = nullptr;     // RestoreBackup1
    QAction *save = nullptr;              // Save1, Ctrl+S
    QAction *saveAs = nullptr;            // Saveas1
    QAction *saveAsProfile = nullptr;     // SaveAsProfile1
    QAction *exportSettingsSheet = nullptr; // ExportSettingsSheet1
    QAction *exit = nullptr;              // Exit1
    QAction *testConnection = nullptr;    // TestConnection1
    QAction *readSettings = nullptr;      // ReadSettings1, F3
    QAction *writeSettings = nullptr;     // WriteControllerSettings1, F12
    QAction *compareWithController = nullptr; // CompareWithController1
    // Checkable, on unless config.ini says otherwise.
    QAction *backUpBeforeWrite = nullptr; // BackUpBeforeWrite1
    QAction *verifyAfterWrite = nullptr;  // VerifyAfterWrite1
    // Connect > Road Class: checkable and exclusive; each carries its class
    // id as data: "" for RoadClassNone1, then the classes in roadClasses()
    // order ("eu-epac": RoadClassEuEpac1).
    QList<QAction *> roadClasses;
    QAction *checkRoadClass = nullptr;    // CheckRoadClass1
    QAction *bike = nullptr;              // Bike1: the label the register records
    QAction *history = nullptr;           // History1: the register
    QAction *helpTopics = nullptr;        // HelpTopics1
    QAction *whatsThis = nullptr;         // WhatsThis1, Shift+F1: a field's explanation on a click
    QAction *technicalSupport = nullptr;  // TechnicalSupport1
    QAction *connectionDoctor = nullptr;  // ConnectionDoctor1
    // Help > Language: checkable and exclusive; each carries its language code
    // as data: "" for DesktopLanguage1 (follow the desktop), then "en"
    // (LanguageEn1), "de" (LanguageDe1) and the others in uiLanguages() order.
    QList<QAction *> languages;
    // Help > Units: checkable and exclusive; each carries its units' id as
    // data: "metric" (UnitsMetric1), "imperial" (UnitsImperial1).
    QList<QAction *> speedUnits;
    QAction *about = nullptr;             // About1

    [[nodiscard]] LinkActions linkActions() const
    {
        return {testConnection, readSettings, writeSettings, compareWithController};
    }
};

} // namespace vexlor
