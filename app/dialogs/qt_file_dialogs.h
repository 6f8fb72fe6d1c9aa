#pragma once

#include "file_dialogs.h"

#include <QPointer>

class QFileDialog;
class QWidget;

namespace vexlor {

// OpenDialog1 and SaveDialog1 as QFileDialogs: titled "Open Configuration
// Files" and "Save Configuration Files", filter "Configuration Files (*.vxc)",
// default suffix "vxc", starting in the current folder. Each dialog lives as
// long as the window it belongs to and offers the name chosen last time.
// SheetDialog1 saves a PDF under the name the sheet's command suggests.
// SaveProfileDialog1 is profile_dialog.h's.
class QtFileDialogs final : public FileDialogs {
public:
    // Makes the two dialogs as children of `window`; until then both cancel.
    void setParentWindow(QWidget *window);

    [[nodiscard]] QString chooseFileToOpen() override;
    [[nodiscard]] QString chooseFileToSave() override;
    [[nodiscard]] QString chooseSheetFile(const QString &suggestedName) override;
    [[nodiscard]] std::optional<ProfileDraft> chooseProfileToSave() override;

private:
    [[nodiscard]] static QString run(QFileDialog *dialog, QString &lastName);

    QPointer<QFileDialog> m_open;
    QPointer<QFileDialog> m_save;
    QPointer<QFileDialog> m_sheet;
    QPointer<QWidget> m_window;
    QString m_lastOpened;
    QString m_lastSaved;
};

} // namespace vexlor
