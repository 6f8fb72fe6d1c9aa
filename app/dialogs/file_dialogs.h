#pragma once

#include <QString>

#include <optional>

namespace vexlor {

// The file dialogs of the document commands and of the settings sheet,
// behind an interface so tests choose a name instead of blocking on a modal
// dialog.
// A name and a note for the window's values as a profile.
struct ProfileDraft {
    QString name;
    QString note;
};

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
    // SaveProfileDialog1: a profile's name (only one that can name a profile
    // is accepted) and its note; nullopt when cancelled.
    [[nodiscard]] virtual std::optional<ProfileDraft> chooseProfileToSave() = 0;
};

} // namespace vexlor
