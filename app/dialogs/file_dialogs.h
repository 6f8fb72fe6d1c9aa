#pragma once

#include <QString>

namespace vexlor {

// The two file dialogs of the document commands, behind an interface so tests
// choose a name instead of blocking on a modal dialog.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // OpenDialog1: an existing configuration file; empty when cancelled.
    [[nodiscard]] virtual QString chooseFileToOpen() = 0;
    // SaveDialog1: a name to save under, confirmed if it replaces a file;
    // empty when cancelled.
    [[nodiscard]] virtual QString chooseFileToSave() = 0;
};

} // namespace vexlor
