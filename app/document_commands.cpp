#include "document_commands.h"

#include "file_dialogs.h"
#include "input_rules.h"
#include "main_window.h"
#include "message_boxes.h"
#include "parameter_binding.h"
#include "qt_file_dialogs.h"

#include "config/data_files.h"
#include "config/freedesktop_file_association.h"
#include "config/recent_files.h"
#include "config/settings_file.h"
#include "config/vxc_reader.h"
#include "config/vxc_writer.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace vexlor {
namespace {

// The name the desktop shows for the program that opens .vxc files.
constexpr const char *kApplicationName = "Vexlor Adjustor";

// The file-name part of a path, as the caption shows it.
QString fileNamePart(const QString &path)
{
    return QFileInfo(path).fileName();
}

// From the last "." of the file name on, the dot included; empty without one.
QString extensionOf(const QString &path)
{
    const QString name = fileNamePart(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.sliced(dot);
}

// A file (not a folder) is there: what the commands open.
bool fileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

} // namespace

DocumentCommands::DocumentCommands(MainWindow &window, const AppServices &services)
    : m_window(window), m_services(services)
{
}

DocumentCommands::~DocumentCommands() = default;

// ---- start-up -------------------------------------------------------------

void DocumentCommands::createSettingsFile()
{
    const QString folder = m_services.settingsFolder.isEmpty()
        ? settingsFolderFor(m_window.programFolder())
        : m_services.settingsFolder;
    m_settings = std::make_unique<SettingsFile>(QDir(folder).filePath(QLatin1String(kSettingsFileName)));
}

void DocumentCommands::acceptDroppedFiles()
{
    // Files dropped anywhere on the window go to HandleDropFiles: the edits
    // would otherwise take a dropped file's path as text.
    const auto widgets = m_window.findChildren<QWidget *>();
    for (QWidget *w : widgets)
        w->setAcceptDrops(false);
    m_window.setAcceptDrops(true);
}

bool DocumentCommands::registerFileType()
{
    FileAssociation *association = m_services.fileAssociation;
    if (!association) {
        if (!m_ownAssociation)
            m_ownAssociation = std::make_unique<FreedesktopFileAssociation>(QString::fromLatin1(kApplicationName));
        association = m_ownAssociation.get();
    }
    return association->registerFileType(QStringLiteral(".vxc"), QStringLiteral("vxc file"),
                                         QCoreApplication::applicationFilePath(),
                                         QStringLiteral("vxc file"));
}

void DocumentCommands::LoadRecentMenu()
{
    const RecentFiles files = readRecentFiles(*m_settings);
    const auto &items = m_window.actions().reopen;
    for (int k = 0; k < kRecentFileCount; ++k) {
        QAction *item = items[k];
        item->setData(files[k]); // the path itself; the caption is only its picture
        item->setText(QString(files[k]).replace(u'&', QStringLiteral("&&"))); // no access key
        item->setVisible(!files[k].isEmpty());
    }
}

void DocumentCommands::openCommandLineDocument(const QString &path)
{
    // Any existing file, whatever its extension; a path naming nothing opens nothing.
    if (fileExists(path))
        ReadConfigurationFile(path);
}

// ---- reading --------------------------------------------------------------

bool DocumentCommands::ReadConfigurationFile(const QString &path)
{
    // Checked whole before anything changes, so a malformed file never becomes
    // the current document that a following Save would overwrite.
    const ConfigurationRead read = readConfigurationFile(path, m_window.numberFormat());
    if (!read.ok()) {
        m_window.messageBoxes().standardError(read.error);
        return false;
    }
    showDocumentName(fileNamePart(path));
    m_documentPath = path; // unchanged: a relative path stays relative
    // Saves go to the file that was read, whatever a dialog later makes of
    // the current folder a relative path depends on.
    m_documentFile = QFileInfo(path).absoluteFilePath();
    if (mayEnterRecentFiles(path)) {
        const SettingsWriteResult added = addRecentFile(*m_settings, path);
        LoadRecentMenu(); // shows what the file holds, also after a failed write
        if (!added.ok()) {
            m_window.messageBoxes().standardError(added.error);
            return false; // no control changed
        }
    }
    ParameterBinding &binding = m_window.binding();
    for (const ConfigurationEntry &entry : read.entries)
        binding.apply(resolveEntry(entry, [this] { return askOldVersionQuestion(); }));
    return true;
}

bool DocumentCommands::askOldVersionQuestion()
{
    return m_window.messageBoxes().question(QString(), QString::fromLatin1(kOldVersionQuestion));
}

void DocumentCommands::showDocumentName(const QString &fileName)
{
    m_window.setWindowTitle(m_window.programTitle() + QStringLiteral(" - ") + fileName);
}

// ---- commands -------------------------------------------------------------

void DocumentCommands::New1Click()
{
    if (!ReadConfigurationFile(locateDataFile(QStringLiteral("default.vxc"))))
        return;
    m_documentPath.clear();
    m_documentFile.clear();
    showDocumentName(QStringLiteral("Untitled.vxc"));
}

void DocumentCommands::Open1Click()
{
    const QString name = dialogs().chooseFileToOpen();
    if (name.isEmpty())
        return;
    followFolderOf(name);
    ReadConfigurationFile(name);
}

void DocumentCommands::Save1Click()
{
    if (m_documentFile.isEmpty()) {
        Saveas1Click();
        return;
    }
    if (!m_window.inputRules().applyPendingRules())
        return;
    const FileWriteResult written = writeConfigurationFile(m_documentFile, m_window.binding().snapshot());
    if (!written.ok())
        m_window.messageBoxes().standardError(written.error);
}

void DocumentCommands::Saveas1Click()
{
    // Before the dialog takes the focus: the file gets the bounded value.
    if (!m_window.inputRules().applyPendingRules())
        return;
    const QString name = dialogs().chooseFileToSave();
    if (name.isEmpty())
        return;
    followFolderOf(name);
    const FileWriteResult written = writeConfigurationFile(name, m_window.binding().snapshot());
    if (!written.ok()) {
        // The caption keeps naming the document that is still current.
        m_window.messageBoxes().standardError(written.error);
        return;
    }
    showDocumentName(fileNamePart(name));
    m_documentPath = name;
    m_documentFile = QFileInfo(name).absoluteFilePath();
    // Read back: the file enters the reopen list and every value returns
    // through the decimal-separator fix-up.
    ReadConfigurationFile(name);
}

void DocumentCommands::reopenClick(int item)
{
    const QString path = m_window.actions().reopen[item]->data().toString();
    if (fileExists(path))
        ReadConfigurationFile(path);
    else if (item == 0)
        New1Click();
    // Items 2 to 4 do nothing for a file that is gone; the entry stays.
}

// ---- dropped files --------------------------------------------------------

bool DocumentCommands::acceptsDrop(const QMimeData *mime)
{
    return mime && mime->hasUrls() && mime->urls().first().isLocalFile();
}

void DocumentCommands::HandleDropFiles(const QMimeData *mime)
{
    if (!acceptsDrop(mime))
        return;
    const QString name = mime->urls().first().toLocalFile(); // the first item only
    // A folder is no configuration: it is ignored, and its path never lands
    // in a parameter's field.
    if (QFileInfo(name).isDir())
        return;
    if (extensionOf(name).toLower() != QLatin1String(".vxc"))
        return;
    // Read once the drop is over: the file may ask the old-version question,
    // and the program the file was dragged from waits until the drop returns.
    QTimer::singleShot(0, &m_window, [this, name] { ReadConfigurationFile(name); });
}

// ---- helpers --------------------------------------------------------------

void DocumentCommands::followFolderOf(const QString &chosenFile)
{
    // The dialogs start in "./", so the next one opens where this one ended.
    QDir::setCurrent(QFileInfo(chosenFile).absolutePath());
}

FileDialogs &DocumentCommands::dialogs()
{
    if (m_services.fileDialogs)
        return *m_services.fileDialogs;
    if (!m_ownDialogs)
        m_ownDialogs = std::make_unique<QtFileDialogs>(&m_window);
    return *m_ownDialogs;
}

} // namespace vexlor
