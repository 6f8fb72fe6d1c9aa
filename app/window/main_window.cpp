#include "main_window.h"

#include "menu_bar.h"
#include "tool_bar.h"
#include "basics/window_texts.h"
#include "art/motor_illustration.h"
#include "commands/backup_commands.h"
#include "commands/controller_commands.h"
#include "commands/document_commands.h"
#include "commands/help_commands.h"
#include "commands/language_options.h"
#include "commands/road_class_options.h"
#include "commands/shop_commands.h"
#include "commands/write_safety_options.h"
#include "pages/field_descriptions.h"
#include "pages/general_page.h"
#include "pages/motor_page.h"
#include "pages/parameter_binding.h"
#include "rules/input_rules.h"
#include "pages/wheel_size_list.h"

#include "backups/backup_store.h"

#include "desktop/file_association.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QLayout>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QTabWidget>

namespace vexlor {
namespace {

// The window's fixed client area below the menu bar, and its three bands.
constexpr int kClientWidth = 784;
constexpr int kToolBarHeight = 33;
constexpr int kPagesHeight = 449;
constexpr int kStatusHeight = 20;
constexpr int kClientHeight = kToolBarHeight + kPagesHeight + kStatusHeight; // 502

QIcon drawnWindowIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        MotorIllustration::paintMotor(painter, QRectF(0, 0, size, size), false);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

MainWindow::MainWindow(const DesktopServices &desktop, ControllerSession &session,
                       const StartValues &start, QWidget *parent)
    : QMainWindow(parent)
    , m_boxes(desktop.boxes)
    , m_shell(desktop.shell)
    , m_fileAssociation(desktop.fileAssociation)
    , m_commandLine(start.commandLine)
    , m_programFolder(start.programFolder)
    , m_numberFormat(start.numberFormat)
    , m_caption(*this)
{
    setObjectName(QStringLiteral("TForm1"));
    buildWindow();
    buildCommands(desktop, session, start);
    connectCommands();
}

MainWindow::~MainWindow() = default;

void MainWindow::setAccessAdvisor(AccessAdvisor advisor)
{
    m_controller->setAccessAdvisor(std::move(advisor));
}

void MainWindow::buildWindow()
{
    // The platform's sans font at a 13-pixel character height, for every
    // control, menu and box of the window; layout is in pixels.
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(13);
    setAttribute(Qt::WA_WindowPropagation);
    setFont(font);
    setWindowIcon(drawnWindowIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);

    m_actions = buildWindowActions(this);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    buildToolBar(m_actions, client)->setGeometry(0, 0, kClientWidth, kToolBarHeight);

    m_pages = new QTabWidget(client);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setGeometry(0, kToolBarHeight, kClientWidth, kPagesHeight);
    m_pages->addTab(buildGeneralPage(m_pages, m_controls), WindowTexts::tr("General"));
    m_pages->addTab(buildMotorPage(m_pages, m_controls), WindowTexts::tr("Motor"));
    describeFields(m_controls, m_numberFormat);

    m_strip = buildStatusStrip(client);
    m_strip.frame->setGeometry(0, kToolBarHeight + kPagesHeight, kClientWidth, kStatusHeight);

    // The client area is fixed; the window is the menu bar plus that.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::buildCommands(const DesktopServices &desktop, ControllerSession &session,
                               const StartValues &start)
{
    m_rules = new InputRules(m_controls, m_boxes, m_numberFormat, this);
    m_binding = std::make_unique<ParameterBinding>(m_controls, [rules = m_rules] { rules->applyLevelRule(); });
    m_documents = std::make_unique<DocumentCommands>(*m_binding, *m_rules, m_boxes,
                                                     desktop.fileDialogs, m_caption,
                                                     start.settings, m_numberFormat,
                                                     m_actions.reopen);
    m_writeOptions = new WriteSafetyOptions(m_actions.backUpBeforeWrite, m_actions.verifyAfterWrite,
                                            start.settings, m_boxes, this);
    m_roadClassOptions = new RoadClassOptions(m_actions.roadClasses, start.settings, m_boxes, this);
    m_backups = std::make_unique<BackupStore>(start.backupFolder);
    m_controller = std::make_unique<ControllerCommands>(
        session, *m_backups, *m_writeOptions, *m_roadClassOptions, m_strip, m_actions.linkActions(),
        *m_binding, *m_rules, m_boxes, desktop.safetyDialogs, m_shell, m_numberFormat);
    m_backupCommands = std::make_unique<BackupCommands>(*m_backups, *m_binding, *m_rules, m_boxes,
                                                        desktop.safetyDialogs, m_numberFormat);
    m_help = std::make_unique<HelpCommands>(m_shell, m_boxes, m_caption, start.language);
    m_languageOptions = new LanguageOptions(m_actions.languages, start.settings, m_boxes, this);
    m_shop = std::make_unique<ShopCommands>(
        ShopCommands::Sources{*m_binding, *m_rules, *m_roadClassOptions, *m_documents, *m_controller},
        ShopCommands::Desktop{m_boxes, desktop.fileDialogs, desktop.safetyDialogs, m_shell, m_strip.message},
        m_numberFormat, start.language);
}

void MainWindow::connectCommands()
{
    const WindowActions &a = m_actions;
    DocumentCommands *documents = m_documents.get();
    connect(a.newConfiguration, &QAction::triggered, documents, &DocumentCommands::newDocument);
    connect(a.open, &QAction::triggered, documents, &DocumentCommands::openDocument);
    for (int i = 0; i < int(a.reopen.size()); ++i)
        connect(a.reopen[i], &QAction::triggered, documents, [documents, i] { documents->reopenRecent(i); });
    connect(a.save, &QAction::triggered, documents, &DocumentCommands::saveDocument);
    connect(a.saveAs, &QAction::triggered, documents, &DocumentCommands::saveDocumentAs);
    connect(a.restoreBackup, &QAction::triggered, m_backupCommands.get(),
            &BackupCommands::restoreBackup);
    connect(a.exportSettingsSheet, &QAction::triggered, m_shop.get(),
            &ShopCommands::exportSettingsSheet);
    connect(a.exit, &QAction::triggered, this, &QWidget::close);

    ControllerCommands *controller = m_controller.get();
    connect(a.testConnection, &QAction::triggered, controller, &ControllerCommands::testConnection);
    connect(a.readSettings, &QAction::triggered, controller, &ControllerCommands::readController);
    connect(a.writeSettings, &QAction::triggered, controller, &ControllerCommands::writeController);
    connect(a.compareWithController, &QAction::triggered, controller,
            &ControllerCommands::compareWithController);
    connect(a.checkRoadClass, &QAction::triggered, m_shop.get(), &ShopCommands::checkRoadClass);

    connect(a.helpTopics, &QAction::triggered, m_help.get(), &HelpCommands::showHelpTopics);
    connect(a.technicalSupport, &QAction::triggered, m_help.get(), &HelpCommands::contactSupport);
    connect(a.connectionDoctor, &QAction::triggered, this, &MainWindow::connectionDoctorRequested);
    connect(controller, &ControllerCommands::connectionDoctorWanted, this,
            &MainWindow::connectionDoctorRequested);
    connect(a.about, &QAction::triggered, m_help.get(), &HelpCommands::showAbout);

    // Values a read or a backup would replace are asked about first; values
    // the controller holds after a read or a write are no unsaved change.
    const auto mayReplaceValues = [documents] { return documents->settleUnsavedChanges(); };
    m_controller->setReplaceGuard(mayReplaceValues);
    m_backupCommands->setReplaceGuard(mayReplaceValues);
    connect(controller, &ControllerCommands::valuesMatchController, documents,
            qOverload<const ParameterSnapshot &>(&DocumentCommands::markClean));
}

// ---- start-up -------------------------------------------------------------

void MainWindow::startUp()
{
    m_caption.completeTitle();
    showGeneralTab();
    acceptDroppedFiles();
    registerFileAssociation();
    // The port is discovered and closed now; it settles for 500 ms before the
    // bridge line is raised and it is opened again. That pause is a timer, not
    // a wait: the link's start-up goes on by itself while the splash is still
    // up, and the steps below go on now (they do not depend on the link).
    startControllerLink();
    applyLevelRule();
    selectDefaultWheelSize();
    fitProgressToTransaction();
    loadRecentMenu();
    loadWriteOptions();
    loadLanguageChoice();
    loadRoadClassChoice();
    openStartDocument();
}

void MainWindow::showGeneralTab()
{
    m_pages->setCurrentIndex(0);
}

void MainWindow::acceptDroppedFiles()
{
    // Files dropped anywhere on the window go to the documents: the edits
    // would otherwise take a dropped file's path as text.
    const auto widgets = findChildren<QWidget *>();
    for (QWidget *w : widgets)
        w->setAcceptDrops(false);
    setAcceptDrops(true);
}

void MainWindow::registerFileAssociation()
{
    // Quiet: the tool works without it.
    (void)m_fileAssociation.registerFileType(QStringLiteral(".vxc"), QStringLiteral("vxc file"),
                                             QCoreApplication::applicationFilePath(),
                                             QStringLiteral("vxc file"));
}

void MainWindow::startControllerLink()
{
    // May show the duplicate-device message; Label15 follows when it is done.
    m_controller->startUp();
}

void MainWindow::applyLevelRule()
{
    m_rules->applyLevelRule();
}

void MainWindow::selectDefaultWheelSize()
{
    m_controls.wheelSize->setCurrentIndex(kDefaultWheelSizeIndex); // fires no rule
}

void MainWindow::fitProgressToTransaction()
{
    m_strip.progress->setMaximum(kProtocolItemCount); // one step per frame
}

void MainWindow::loadRecentMenu()
{
    m_documents->loadRecentMenu();
}

void MainWindow::loadWriteOptions()
{
    // Their own section of config.ini, beside the reopen list.
    m_writeOptions->load();
}

void MainWindow::loadLanguageChoice()
{
    // Its own section too; the language itself was chosen before the window was built.
    m_languageOptions->load();
}

void MainWindow::loadRoadClassChoice()
{
    // Its own section too: the class a shop works to stays chosen.
    m_roadClassOptions->load();
}

void MainWindow::openStartDocument()
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

// ---- closing, drops, placing ----------------------------------------------

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Unsaved changes are asked about once, before the link is let go:
    // Cancel, or a save that did not happen, keeps the window as it was.
    if (!m_closing && !m_documents->settleUnsavedChanges()) {
        event->ignore();
        return;
    }
    // The port is released and the bridge line dropped before the window
    // goes. That takes 200 ms, so the first request starts it and the window
    // closes itself once it is done.
    if (m_controller->isReleased()) {
        event->accept();
        return;
    }
    event->ignore();
    releaseControllerThenClose();
}

void MainWindow::releaseControllerThenClose()
{
    if (m_closing)
        return;
    m_closing = true;
    connect(m_controller.get(), &ControllerCommands::released, this, &MainWindow::close,
            Qt::SingleShotConnection);
    m_controller->release();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (DocumentCommands::acceptsDrop(event->mimeData()))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    m_documents->openDroppedFile(event->mimeData());
    event->acceptProposedAction();
}

void MainWindow::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        m_placed = true;
        if (const QScreen *s = screen()) {
            const QRect area = s->availableGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
    }
    QMainWindow::showEvent(event);
}

} // namespace vexlor
