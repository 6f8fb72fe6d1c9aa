#pragma once

#include <QString>

namespace vexlor {

// The file dialogs of the document commands and of the settings sheet,
// behind an interface so tests choose a name instead of blocking on a modal
// dialog.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // OpenDialog1: an existing configuration file; empty when cancelled.
    [[nodiscard]] virtual QString chooseFileToOpen() = 0;
    // SaveDialog1: a name to save under, confirmed if it replaces a file;
    // empty when cancelled.
    [[nodiscard]] virtual QString chooseFileToSave() = 0;
    // SheetDialog1: a name for the settings sheet (a PDF), `suggestedName`
    // offered, confirmed if it replaces a file; empty when cancelled.
    [[nodiscard]] virtual QString chooseSheetFile(const QString &suggestedName) = 0;
};

} // namespace vexlor
