#include "document_commands.h"

#include "reopen_caption.h"
#include "dialogs/file_dialogs.h"
#include "dialogs/message_boxes.h"
#include "pages/parameter_binding.h"
#include "rules/input_rules.h"
#include "basics/window_caption.h"
#include "basics/window_texts.h"

#include "files/data_files.h"
#include "files/vxc_reader.h"
#include "files/vxc_writer.h"
#include "params/message_input.h"
#include "params/parameter_codec.h"
#include "settings/settings_file.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace vexlor {
namespace {

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

// The caption's name of a document that has no file yet.
QString untitledName()
{
    //: the window caption's document name after New, before the first save
    return WindowTexts::tr("Untitled.vxc");
}

} // namespace

DocumentCommands::DocumentCommands(WindowValueAccess values, Desktop desktop, Naming naming,
                                   NumberFormat numberFormat, QObject *parent)
    : QObject(parent), m_binding(values.binding), m_rules(values.rules), m_boxes(desktop.boxes),
      m_dialogs(desktop.dialogs), m_caption(naming.caption), m_settings(naming.settings),
      m_numberFormat(numberFormat), m_reopenItems(naming.reopenItems),
      m_clean(values.binding.snapshot())
{
    m_binding.watchChanges(this, [this] { showModified(); });
}

// ---- start-up -------------------------------------------------------------

void DocumentCommands::loadRecentMenu()
{
    // A path may be longer than the screen is wide: the caption shortens it
    // to about half the window, the tips show it whole.
    constexpr int kCaptionRoom = 400;
    const RecentFiles files = readRecentFiles(m_settings);
    for (int k = 0; k < kRecentFileCount; ++k) {
        QAction *item = m_reopenItems[k];
        item->setData(files[k]); // the path itself; the caption is only its picture
        const auto *menu = qobject_cast<const QWidget *>(item->associatedObjects().value(0));
        const QFontMetrics metrics(menu ? menu->font() : item->font());
        item->setText(reopenCaption(files[k], metrics, kCaptionRoom));
        item->setStatusTip(files[k]);
        item->setToolTip(files[k]);
        item->setVisible(!files[k].isEmpty());
    }
}

void DocumentCommands::openCommandLineDocument(const QString &path)
{
    // Any existing file, whatever its extension; a path naming nothing opens
    // nothing. A folder or a pipe gets the reader's refusal, as in Open.
    if (!path.isEmpty() && QFileInfo::exists(path))
        loadDocument(path);
}

// ---- reading --------------------------------------------------------------

bool DocumentCommands::loadDocument(const QString &path)
{
    // Checked whole before anything changes, so a malformed file never becomes
    // the current document that a following Save would overwrite.
    const ConfigurationRead read = readConfigurationFile(path, m_numberFormat);
    if (!read.ok()) {
        m_boxes.standardError(read.error);
        return false;
    }
    m_caption.showDocument(fileNamePart(path));
    m_documentPath = path; // unchanged: a relative path stays relative
    // Saves go to the file that was read, whatever a dialog later makes of
    // the current folder a relative path depends on.
    m_documentFile = QFileInfo(path).absoluteFilePath();
    // The caption, the file Save writes to and the values change together:
    // a reopen list that cannot be saved is reported, but the file opens.
    if (mayEnterRecentFiles(path)) {
        const SettingsWriteResult added = addRecentFile(m_settings, path);
        loadRecentMenu(); // shows what the file holds, also after a failed write
        if (!added.ok())
            //: %1 the full path of config.ini, which holds the list of recent files
            m_boxes.standardError(WindowTexts::tr("The file was opened, but the list of recent files could "
                                                  "not be saved: unable to write to %1.")
                                      .arg(inputForMessage(m_settings.path())));
    }
    for (const ConfigurationEntry &entry : read.entries)
        m_binding.apply(resolveEntry(entry, [this] { return askOldVersionQuestion(); }));
    markClean();
    return true;
}

bool DocumentCommands::askOldVersionQuestion()
{
    return m_boxes.question(QString(), oldVersionQuestion());
}

// ---- unsaved changes ------------------------------------------------------

void DocumentCommands::markClean()
{
    markClean(m_binding.snapshot());
}

void DocumentCommands::markClean(const ParameterSnapshot &values)
{
    m_clean = values;
    showModified();
}

bool DocumentCommands::isModified() const
{
    // Values, not keystrokes: a value typed and typed back is no change.
    return m_binding.snapshot() != m_clean;
}

void DocumentCommands::showModified()
{
    m_caption.showModified(isModified());
}

bool DocumentCommands::settleUnsavedChanges()
{
    if (!isModified())
        return true;
    //: %1 the document's name as the window caption shows it, "Untitled.vxc" before its first save
    const QString text = WindowTexts::tr("Save the changes to %1?").arg(inputForMessage(documentName()));
    switch (m_boxes.askToSave(m_caption.programTitle(), text)) {
    case SaveChoice::Save:
        return saveDocument(); // a cancelled or failed save stops the command
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

QString DocumentCommands::documentName() const
{
    return m_documentPath.isEmpty() ? untitledName() : fileNamePart(m_documentPath);
}

// ---- commands -------------------------------------------------------------

void DocumentCommands::newDocument()
{
    if (settleUnsavedChanges())
        loadDefaults();
}

void DocumentCommands::loadDefaults()
{
    if (!loadDocument(locateDataFile(QStringLiteral("default.vxc"))))
        return;
    m_documentPath.clear();
    m_documentFile.clear();
    m_caption.showDocument(untitledName());
}

void DocumentCommands::openDocument()
{
    // Asked before the dialog: the answer may need Save As's dialog first.
    if (!settleUnsavedChanges())
        return;
    const QString name = m_dialogs.chooseFileToOpen();
    if (name.isEmpty())
        return;
    followFolderOf(name);
    loadDocument(name);
}

bool DocumentCommands::saveDocument()
{
    if (m_documentFile.isEmpty())
        return saveDocumentAs();
    if (!m_rules.applyPendingRules() || !fieldsCanBeSaved())
        return false;
    const ParameterSnapshot values = m_binding.snapshot();
    const FileWriteResult written = writeConfigurationFile(m_documentFile, values);
    if (!written.ok()) {
        m_boxes.standardError(written.error);
        return false;
    }
    markClean(values);
    return true;
}

bool DocumentCommands::saveDocumentAs()
{
    // Before the dialog takes the focus: the file gets the bounded value.
    if (!m_rules.applyPendingRules() || !fieldsCanBeSaved())
        return false;
    const QString name = m_dialogs.chooseFileToSave();
    if (name.isEmpty())
        return false;
    followFolderOf(name);
    const FileWriteResult written = writeConfigurationFile(name, m_binding.snapshot());
    if (!written.ok()) {
        // The caption keeps naming the document that is still current.
        m_boxes.standardError(written.error);
        return false;
    }
    m_caption.showDocument(fileNamePart(name));
    m_documentPath = name;
    m_documentFile = QFileInfo(name).absoluteFilePath();
    // Read back: the file enters the reopen list and every value returns
    // through the decimal-separator fix-up.
    loadDocument(name);
    return true;
}

void DocumentCommands::reopenRecent(int item)
{
    // Taken before the question: a Save As on the way reorders the list.
    const QString path = m_reopenItems[item]->data().toString();
    // Items 2 to 4 do nothing for a file that is gone; the entry stays.
    if (!fileExists(path) && item != 0)
        return;
    if (!settleUnsavedChanges())
        return;
    if (fileExists(path))
        loadDocument(path);
    else
        loadDefaults();
}

bool DocumentCommands::fieldsCanBeSaved()
{
    // Checked as a write checks them, so no file is saved that a write (or
    // vexlor-cli) refuses later. The speed text is stored whatever "Limit max
    // speed" says, so it is checked too.
    ParameterSnapshot stored = m_binding.snapshot();
    stored.limitMaxSpeed = true;
    const EncodedSet encoded = encodeAll(stored, m_numberFormat);
    if (!encoded.ok())
        m_boxes.standardError(encoded.error);
    return encoded.ok();
}

// ---- dropped files --------------------------------------------------------

bool DocumentCommands::acceptsDrop(const QMimeData *mime)
{
    return mime && mime->hasUrls() && mime->urls().first().isLocalFile();
}

void DocumentCommands::openDroppedFile(const QMimeData *mime)
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
    QTimer::singleShot(0, this, [this, name] {
        if (settleUnsavedChanges())
            loadDocument(name);
    });
}

// ---- helpers --------------------------------------------------------------

void DocumentCommands::followFolderOf(const QString &chosenFile)
{
    // The dialogs start in "./", so the next one opens where this one ended.
    QDir::setCurrent(QFileInfo(chosenFile).absolutePath());
}

} // namespace vexlor
