#include "window_commands.h"

#include "window/main_window.h"
#include "commands/backup_commands.h"
#include "commands/bike_commands.h"
#include "commands/operation_records.h"
#include "dialogs/history_dialog.h"
#include "commands/controller_commands.h"
#include "commands/document_commands.h"
#include "commands/help_commands.h"
#include "commands/profile_commands.h"
#include "commands/language_options.h"
#include "commands/road_class_options.h"
#include "commands/setup_commands.h"
#include "commands/shop_commands.h"
#include "commands/unit_options.h"
#include "commands/write_safety_options.h"
#include "pages/parameter_binding.h"
#include "pages/wheel_size_list.h"
#include "rules/input_rules.h"
#include "rules/plausibility_markers.h"

#include "backups/backup_store.h"
#include "backups/profile_store.h"
#include "desktop/file_association.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QProgressBar>

namespace vexlor {

WindowCommands::WindowCommands(MainWindow &window, const DesktopServices &desktop,
                               ControllerSession &session, const StartValues &start)
    : m_window(window)
    , m_fileAssociation(desktop.fileAssociation)
    , m_commandLine(start.commandLine)
{
    buildCommands(desktop, session, start);
    buildRecords(desktop, session, start);
    connectActions();
    connectWindow();
}

WindowCommands::~WindowCommands() = default;

void WindowCommands::setAccessAdvisor(AccessAdvisor advisor)
{
    m_controller->setAccessAdvisor(std::move(advisor));
}

void WindowCommands::buildCommands(const DesktopServices &desktop, ControllerSession &session,
                                   const StartValues &start)
{
    const WindowActions &actions = m_window.actions();
    const WindowControls &controls = m_window.controls();
    const NumberFormat format = m_window.numberFormat();
    MessageBoxes &boxes = desktop.boxes;
    m_rules = new InputRules(controls, boxes, format, &m_window);
    m_binding = std::make_unique<ParameterBinding>(
        controls, [rules = m_rules] { rules->applyLevelRule(); }, format);
    m_markers = std::make_unique<PlausibilityMarkers>(controls, *m_binding, format);
    const WindowValueAccess values{*m_binding, *m_rules};
    m_documents = std::make_unique<DocumentCommands>(
        values, DocumentCommands::Desktop{boxes, desktop.fileDialogs},
        DocumentCommands::Naming{m_window.caption(), start.settings, actions.reopen}, format);
    m_writeOptions = new WriteSafetyOptions(actions.backUpBeforeWrite, actions.verifyAfterWrite,
                                            start.settings, boxes, &m_window);
    m_roadClassOptions = new RoadClassOptions(actions.roadClasses, start.settings, boxes, &m_window);
    m_backups = std::make_unique<BackupStore>(start.backupFolder);
    m_controller = std::make_unique<ControllerCommands>(
        session, ControllerCommands::View{m_window.strip(), actions.linkActions()},
        values,
        ControllerCommands::WriteGuards{*m_writeOptions, *m_roadClassOptions, *m_backups},
        ControllerCommands::Desktop{boxes, desktop.safetyDialogs, desktop.shell}, format);
    m_backupCommands = std::make_unique<BackupCommands>(
        *m_backups, values, BackupCommands::Desktop{boxes, desktop.safetyDialogs}, format);
    m_profiles = std::make_unique<ProfileStore>(start.profileFolder);
    m_profileCommands = std::make_unique<ProfileCommands>(
        *m_profiles, values, ProfileCommands::Desktop{boxes, desktop.fileDialogs}, actions.profilesMenu,
        format);
    m_help = std::make_unique<HelpCommands>(desktop.shell, boxes, m_window.caption(), start.language);
    m_languageOptions = new LanguageOptions(actions.languages, start.settings, boxes, &m_window);
    m_unitOptions = new UnitOptions(actions.speedUnits, start.settings, *m_binding, boxes, &m_window);
    const DocumentCommands *documents = m_documents.get();
    const ControllerCommands *controller = m_controller.get();
    m_shop = std::make_unique<ShopCommands>(
        ShopCommands::Sources{*m_binding, *m_rules, *m_roadClassOptions,
                              [documents] { return documents->documentPath(); },
                              [controller] { return controller->controllerVersion(); }},
        ShopCommands::Desktop{boxes, desktop.fileDialogs, desktop.safetyDialogs, desktop.shell,
                              m_window.strip().message},
        format, start.language);
    m_setup = std::make_unique<SetupCommands>(
        SetupCommands::Sources{*m_binding, *m_rules, *m_roadClassOptions}, desktop.safetyDialogs, format);
}

void WindowCommands::buildRecords(const DesktopServices &desktop, ControllerSession &session,
                                  const StartValues &start)
{
    const DocumentCommands *documents = m_documents.get();
    m_records = std::make_unique<OperationRecords>(
        start.records, m_window.strip().message,
        OperationRecords::Link{[&session] { return session.portPath(); }, {},
                               [documents] {
                                   const QString path = documents->documentPath();
                                   return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
                               }});
    m_controller->recordWith(*m_records);
    m_backupCommands->setRecords(m_records.get());
    m_shop->setRecords(m_records.get());
    m_bike = std::make_unique<BikeCommands>(*m_records, desktop.boxes, m_window.strip().bike);
}

void WindowCommands::connectHistory(HistoryDialog &history)
{
    QObject::connect(m_window.actions().history, &QAction::triggered, &history, [&history] {
        history.refresh();
        history.show();
        history.raise();
    });
    DocumentCommands *documents = m_documents.get();
    BackupCommands *backups = m_backupCommands.get();
    ShopCommands *shop = m_shop.get();
    const auto open = [documents, backups](const QString &path) {
        // A backup goes back into the window as Restore Backup puts it;
        // any other file is opened as the document.
        if (QFileInfo(path).absolutePath() == QFileInfo(backups->folder()).absoluteFilePath())
            backups->restoreFrom(path);
        else if (documents->settleUnsavedChanges())
            (void)documents->loadDocument(path);
    };
    QObject::connect(&history, &HistoryDialog::openFileRequested, documents, open);
    QObject::connect(&history, &HistoryDialog::sheetRequested, shop, [open, shop](const QString &path) {
        open(path);
        shop->exportSettingsSheet();
    });
}

void WindowCommands::connectActions()
{
    const WindowActions &a = m_window.actions();
    DocumentCommands *documents = m_documents.get();
    QObject::connect(a.newConfiguration, &QAction::triggered, documents, &DocumentCommands::newDocument);
    QObject::connect(a.newBikeSetup, &QAction::triggered, m_setup.get(), &SetupCommands::newBikeSetup);
    QObject::connect(a.open, &QAction::triggered, documents, &DocumentCommands::openDocument);
    for (int i = 0; i < int(a.reopen.size()); ++i)
        QObject::connect(a.reopen[i], &QAction::triggered, documents,
                         [documents, i] { documents->reopenRecent(i); });
    QObject::connect(a.save, &QAction::triggered, documents, &DocumentCommands::saveDocument);
    QObject::connect(a.saveAs, &QAction::triggered, documents, &DocumentCommands::saveDocumentAs);
    QObject::connect(a.restoreBackup, &QAction::triggered, m_backupCommands.get(),
                     &BackupCommands::restoreBackup);
    QObject::connect(a.saveAsProfile, &QAction::triggered, m_profileCommands.get(),
                     &ProfileCommands::saveAsProfile);
    QObject::connect(a.exportSettingsSheet, &QAction::triggered, m_shop.get(),
                     &ShopCommands::exportSettingsSheet);

    ControllerCommands *controller = m_controller.get();
    QObject::connect(a.testConnection, &QAction::triggered, controller,
                     &ControllerCommands::testConnection);
    QObject::connect(a.readSettings, &QAction::triggered, controller, &ControllerCommands::readController);
    QObject::connect(a.writeSettings, &QAction::triggered, controller,
                     &ControllerCommands::writeController);
    QObject::connect(a.compareWithController, &QAction::triggered, controller,
                     &ControllerCommands::compareWithController);
    QObject::connect(a.checkRoadClass, &QAction::triggered, m_shop.get(), &ShopCommands::checkRoadClass);
    QObject::connect(a.bike, &QAction::triggered, m_bike.get(), &BikeCommands::chooseBike);

    QObject::connect(a.helpTopics, &QAction::triggered, m_help.get(), &HelpCommands::showHelpTopics);
    QObject::connect(a.technicalSupport, &QAction::triggered, m_help.get(),
                     &HelpCommands::contactSupport);
    QObject::connect(a.about, &QAction::triggered, m_help.get(), &HelpCommands::showAbout);
}

void WindowCommands::connectWindow()
{
    DocumentCommands *documents = m_documents.get();
    ControllerCommands *controller = m_controller.get();
    QObject::connect(controller, &ControllerCommands::connectionDoctorWanted, &m_window,
                     &MainWindow::connectionDoctorRequested);

    // Values a read or a backup would replace are asked about first; values
    // the controller holds after a read or a write are no unsaved change.
    const auto mayReplaceValues = [documents] { return documents->settleUnsavedChanges(); };
    m_controller->setReplaceGuard(mayReplaceValues);
    m_backupCommands->setReplaceGuard(mayReplaceValues);
    m_profileCommands->setReplaceGuard(mayReplaceValues);
    QObject::connect(controller, &ControllerCommands::valuesMatchController, documents,
                     qOverload<const ParameterSnapshot &>(&DocumentCommands::markClean));

    MainWindow *window = &m_window;
    m_window.setHooks({
        mayReplaceValues,
        [controller] { return controller->isReleased(); },
        [controller, window](std::function<void()> released) {
            QObject::connect(controller, &ControllerCommands::released, window, std::move(released),
                             Qt::SingleShotConnection);
            controller->release();
        },
        &DocumentCommands::acceptsDrop,
        [documents](const QMimeData *data) { documents->openDroppedFile(data); },
    });
}

void WindowCommands::startUp()
{
    m_window.caption().completeTitle();
    m_window.showGeneralTab();
    m_window.acceptDroppedFiles();
    // Quiet: the tool works without it.
    (void)m_fileAssociation.registerFileType(QStringLiteral(".vxc"), QStringLiteral("vxc file"),
                                             QCoreApplication::applicationFilePath(),
                                             QStringLiteral("vxc file"));
    // The port is discovered and closed now; it settles for 500 ms before the
    // bridge line is raised and it is opened again. That pause is a timer, not
    // a wait: the link's start-up goes on by itself while the splash is still
    // up, and the steps below go on now (they do not depend on the link). It
    // may show the duplicate-device message; Label15 follows when it is done.
    m_controller->startUp();
    m_rules->applyLevelRule();
    m_window.controls().wheelSize->setCurrentIndex(kDefaultWheelSizeIndex); // fires no rule
    m_window.strip().progress->setMaximum(kProtocolItemCount); // one step per frame
    m_documents->loadRecentMenu();
    // The options' own sections of config.ini, beside the reopen list. The
    // language itself was chosen before the window was built; the road class
    // a shop works to and the units stay chosen.
    m_writeOptions->load();
    m_languageOptions->load();
    m_roadClassOptions->load();
    m_unitOptions->load();
    openStartDocument();
}

void WindowCommands::openStartDocument()
{
    // Parameters joined with nothing between them, as the shell hands them
    // over; without any, the first Reopen item. The controls as built are no
    // change of the user's: nothing is asked on the way.
    m_documents->markClean();
    const QString path = m_commandLine.join(QString());
    m_documents->openCommandLineDocument(path);
    if (path.isEmpty())
        m_documents->reopenRecent(0);
}

} // namespace vexlor
