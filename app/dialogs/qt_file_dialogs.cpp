#include "qt_file_dialogs.h"

#include "profile_dialog.h"

#include "basics/shop_texts.h"
#include "basics/window_texts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace vexlor {
namespace {

QFileDialog *makeDialog(QWidget *parent, const QString &title, QFileDialog::AcceptMode mode)
{
    auto *dialog = new QFileDialog(parent, title);
    dialog->setObjectName(mode == QFileDialog::AcceptOpen ? QStringLiteral("OpenDialog1")
                                                          : QStringLiteral("SaveDialog1"));
    dialog->setAcceptMode(mode);
    // Open accepts only an existing file; save asks before replacing one
    // (QFileDialog's default for AcceptSave).
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                        : QFileDialog::AnyFile);
    //: the file dialogs' filter; keep "(*.vxc)" as it is
    dialog->setNameFilter(WindowTexts::tr("Configuration Files (*.vxc)"));
    dialog->setDefaultSuffix(QStringLiteral("vxc"));
    return dialog;
}

} // namespace

void QtFileDialogs::setParentWindow(QWidget *window)
{
    m_window = window;
    m_open = makeDialog(window, WindowTexts::tr("Open Configuration Files"), QFileDialog::AcceptOpen);
    m_save = makeDialog(window, WindowTexts::tr("Save Configuration Files"), QFileDialog::AcceptSave);
    m_sheet = makeDialog(window, texts::shopText(texts::kSheetDialogTitle), QFileDialog::AcceptSave);
    m_sheet->setObjectName(QStringLiteral("SheetDialog1"));
    m_sheet->setNameFilter(texts::shopText(texts::kSheetFilter));
    m_sheet->setDefaultSuffix(QStringLiteral("pdf"));
}

QString QtFileDialogs::chooseFileToOpen()
{
    return run(m_open, m_lastOpened);
}

QString QtFileDialogs::chooseFileToSave()
{
    return run(m_save, m_lastSaved);
}

QString QtFileDialogs::chooseSheetFile(const QString &suggestedName)
{
    QString name = suggestedName;
    return run(m_sheet, name);
}

std::optional<ProfileDraft> QtFileDialogs::chooseProfileToSave()
{
    if (!m_window)
        return std::nullopt;
    return askProfileDraft(m_window);
}

QString QtFileDialogs::run(QFileDialog *dialog, QString &lastName)
{
    if (!dialog)
        return {};
    // The initial folder is "./": wherever the current folder is now, which
    // follows the last confirmed dialog. The name chosen last time stays offered.
    dialog->setDirectory(QDir::currentPath());
    if (!lastName.isEmpty())
        dialog->selectFile(QFileInfo(lastName).fileName());
    if (dialog->exec() != QDialog::Accepted)
        return {};
    lastName = dialog->selectedFiles().value(0);
    return lastName;
}

} // namespace vexlor
