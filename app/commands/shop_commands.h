#pragma once

#include "params/number_text.h"
#include "params/parameter_comparison.h"
#include "params/parameter_snapshot.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QLabel;

namespace vexlor {

class OperationRecords;

class FileDialogs;
class InputRules;
class MessageBoxes;
class ParameterBinding;
class RoadClassOptions;
class SafetyDialogs;
class ShellOpener;

// What a bike shop does before it hands a bike back: Connect > Check Road
// Class (the window's values against a class and the real tire) and File >
// Export Settings Sheet… (a one-page PDF to print and sign). Both take the
// values a write would send, the one being edited bounded first.
class ShopCommands : public QObject {
    Q_OBJECT
public:
    // The collaborators the commands read: the window's values, the class
    // and tire, the document's name and the controller's version. `language`
    // is the window's ("de"): the sheet's date is written in it. Everything
    // must outlive the commands.
    struct Sources {
        ParameterBinding &binding;
        InputRules &rules;
        RoadClassOptions &roadClass;
        // The document's path, empty without one; the controller's software
        // version once known.
        std::function<QString()> documentPath;
        std::function<QString()> controllerVersion;
    };
    // Where they show things: boxes, the file and check dialogs, the shell
    // that opens the sheet once written, the status strip's message.
    struct Desktop {
        MessageBoxes &boxes;
        FileDialogs &fileDialogs;
        SafetyDialogs &safetyDialogs;
        ShellOpener &shell;
        QLabel *statusMessage;
    };
    ShopCommands(Sources sources, Desktop desktop, NumberFormat numberFormat, QString language,
                 QObject *parent = nullptr);

public slots:
    // The class and tire the check is left with become the window's.
    void checkRoadClass();
    // Asks where to write the sheet (again after a file that is no PDF), writes
    // it whole, opens it and says in the status strip where it went.
    void exportSettingsSheet();

public:
    // Every sheet made from now on is recorded there.
    void setRecords(OperationRecords *records) { m_records = records; }

private:
    struct WindowValues {
        ParameterSnapshot snapshot;
        ParameterValues values{};
    };
    // The window's values; nullopt after the standard error box when one
    // cannot be sent.
    [[nodiscard]] std::optional<WindowValues> windowValues();
    // The sheet's path from the file dialog, offered again after a file the
    // sheet may not replace; empty when cancelled.
    [[nodiscard]] QString chooseSheetPath(const QString &suggestedName);
    // Whether the window holds the values of the document at `path`, as it
    // is on the disk: only then does the sheet name it.
    [[nodiscard]] bool holdsDocumentValues(const WindowValues &window, const QString &path) const;
    void keepSheetRecord(const ParameterValues &values, const QString &sheetPath);

    Sources m_sources;
    Desktop m_desktop;
    const NumberFormat m_numberFormat;
    const QString m_language;
    OperationRecords *m_records = nullptr;
};

} // namespace vexlor
