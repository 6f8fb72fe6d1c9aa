#include "main_window.h"

#include "controller_commands.h"
#include "document_commands.h"
#include "general_page.h"
#include "input_rules.h"
#include "motor_illustration.h"
#include "motor_page.h"
#include "parameter_binding.h"
#include "program_info.h"
#include "qt_message_boxes.h"
#include "shell_opener.h"
#include "status_strip.h"
#include "support_link.h"
#include "tool_bar.h"
#include "wheel_perimeter.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QDir>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>

namespace vexlor {
namespace {

// The window's fixed client area below the menu bar, and its three bands.
constexpr int kClientWidth = 784;
constexpr int kToolBarHeight = 33;
constexpr int kPagesHeight = 449;
constexpr int kStatusHeight = 20;
constexpr int kClientHeight = kToolBarHeight + kPagesHeight + kStatusHeight; // 502

constexpr int kMonitorIntervalMs = 2000;
constexpr int kTransactionFrames = 60;

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

MainWindow::MainWindow(AppServices services, QWidget *parent)
    : QMainWindow(parent), m_commandLine(std::move(services.commandLine)),
      m_programTitle(QString::fromLatin1(kProgramTitleBase))
{
    setObjectName(QStringLiteral("TForm1"));
    if (services.boxes) {
        m_boxes = services.boxes;
    } else {
        m_ownBoxes = std::make_unique<QtMessageBoxes>(this, QString::fromLatin1(kProgramTitleBase)
                                                                  + QLatin1String(kProgramVersionSuffix));
        m_boxes = m_ownBoxes.get();
    }
    if (services.shell) {
        m_shell = services.shell;
    } else {
        m_ownShell = std::make_unique<DesktopShellOpener>();
        m_shell = m_ownShell.get();
    }

    buildWindow();
    m_rules = new InputRules(this, *m_boxes, this);
    m_binding = std::make_unique<ParameterBinding>(this, *m_rules);
    connectCommands();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(kMonitorIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &MainWindow::Timer1Timer);
    m_timer->start();

    m_documents = std::make_unique<DocumentCommands>(*this, services);
    m_controller = std::make_unique<ControllerCommands>(*this, services);
    FormCreate();
}

MainWindow::~MainWindow() = default;

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
    m_pages->addTab(buildGeneralPage(m_pages), QStringLiteral("General"));
    m_pages->addTab(buildMotorPage(m_pages), QStringLiteral("Motor"));

    QFrame *strip = buildStatusStrip(client);
    strip->setGeometry(0, kToolBarHeight + kPagesHeight, kClientWidth, kStatusHeight);
    m_progress = strip->findChild<QProgressBar *>(QStringLiteral("ProgressBar1"));
    m_linkState = strip->findChild<QLabel *>(QStringLiteral("Label15"));
    m_wheelSize = findChild<QComboBox *>(QStringLiteral("ComboBox1"));

    // The client area is fixed; the window is the menu bar plus that.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::connectCommands()
{
    const WindowActions &a = m_actions;
    connect(a.newConfiguration, &QAction::triggered, this, &MainWindow::New1Click);
    connect(a.open, &QAction::triggered, this, &MainWindow::Open1Click);
    for (int i = 0; i < int(a.reopen.size()); ++i)
        connect(a.reopen[i], &QAction::triggered, this, [this, i] { reopenClick(i); });
    connect(a.save, &QAction::triggered, this, &MainWindow::Save1Click);
    connect(a.saveAs, &QAction::triggered, this, &MainWindow::Saveas1Click);
    connect(a.exit, &QAction::triggered, this, &MainWindow::Exit1Click);
    connect(a.testConnection, &QAction::triggered, this, &MainWindow::TestConnection1Click);
    connect(a.readSettings, &QAction::triggered, this, &MainWindow::WriteControllerSettings1Click);
    connect(a.writeSettings, &QAction::triggered, this, &MainWindow::WriteControllerSettings1Click);
    connect(a.helpTopics, &QAction::triggered, this, &MainWindow::HelpTopics1Click);
    connect(a.technicalSupport, &QAction::triggered, this, &MainWindow::TechnicalSupport1Click);
    connect(a.about, &QAction::triggered, this, &MainWindow::About1Click);
}

// ---- start-up -------------------------------------------------------------

void MainWindow::FormCreate()
{
    completeTitle();                                                     // 1
    m_pages->setCurrentIndex(0);                                         // 2
    m_programFolder = QCoreApplication::applicationDirPath() + u'/';     // 3
    createSettingsFile();                                                // 4
    acceptDroppedFiles();                                                // 5
    registerFileAssociation();                                           // 6
    takeNumberFormat();                                                  // 7
    // 8 to 11: the port is discovered and closed now; it settles for 500 ms
    // before the bridge line is raised and it is opened again. That pause is
    // a timer, not a wait: steps 9 to 11 follow from it while the splash is
    // still up, and the steps below go on now (they do not depend on the link).
    discoverAndOpenControllerPort();
    m_rules->applyLevelRule();                                           // 12
    m_wheelSize->setCurrentIndex(kDefaultWheelSizeIndex);                // 13: fires no rule
    m_progress->setMaximum(kTransactionFrames);                          // 14
    loadRecentMenu();                                                    // 15
    const QString path = commandLineDocumentPath();                      // 16
    openCommandLineDocument(path);                                       // 17
    if (path.isEmpty())                                                  // 18
        reopenClick(0);
}

void MainWindow::completeTitle()
{
    m_programTitle += QLatin1String(kProgramVersionSuffix);
    setWindowTitle(m_programTitle);
}

void MainWindow::createSettingsFile()
{
    m_documents->createSettingsFile();
}

void MainWindow::acceptDroppedFiles()
{
    m_documents->acceptDroppedFiles();
}

void MainWindow::registerFileAssociation()
{
    (void)m_documents->registerFileType(); // quiet: the tool works without it
}

void MainWindow::takeNumberFormat()
{
    // DecimalCommaLocale: whether the user's locale writes 1.23 with a comma.
    m_numberFormat = NumberFormat::fromLocale();
    m_rules->setNumberFormat(m_numberFormat);
}

void MainWindow::discoverAndOpenControllerPort()
{
    // May show the duplicate-device message; Label15 follows when it is done.
    m_controller->startUp();
}

void MainWindow::loadRecentMenu()
{
    m_documents->LoadRecentMenu();
}

QString MainWindow::commandLineDocumentPath() const
{
    // Parameters joined with nothing between them, as the shell hands them over.
    return m_commandLine.join(QString());
}

void MainWindow::openCommandLineDocument(const QString &path)
{
    m_documents->openCommandLineDocument(path);
}

// ---- closing --------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The port is released and the bridge line dropped before the window
    // goes. That takes 200 ms, so the first request starts it and the window
    // closes itself once it is done. Nothing is asked either way.
    if (m_controller->isReleased()) {
        event->accept();
        return;
    }
    event->ignore();
    FormCloseQuery();
}

void MainWindow::FormCloseQuery()
{
    if (m_closing)
        return;
    m_closing = true;
    m_timer->stop();
    releaseController();
}

void MainWindow::releaseController()
{
    connect(m_controller.get(), &ControllerCommands::released, this, &MainWindow::close,
            Qt::SingleShotConnection);
    m_controller->release();
}

void MainWindow::Exit1Click()
{
    close();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (DocumentCommands::acceptsDrop(event->mimeData()))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    m_documents->HandleDropFiles(event->mimeData());
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

// ---- commands -------------------------------------------------------------

void MainWindow::Timer1Timer()
{
    m_controller->monitorTick();
}

void MainWindow::HelpTopics1Click()
{
    // The bare name, resolved against the current folder, not the executable's.
    m_shell->open(QUrl::fromLocalFile(QDir::current().absoluteFilePath(
        QString::fromLatin1(kHelpDocumentName))));
}

void MainWindow::TechnicalSupport1Click()
{
    // There is no support mailbox of our own: the address a distributor built
    // in, else the guide's "Getting help".
    m_shell->open(supportTarget(builtInSupportUrl()));
}

void MainWindow::About1Click()
{
    m_boxes->information(QStringLiteral("About"),
                         m_programTitle + QStringLiteral("\n\n") + QLatin1String(kAboutCredits));
}

void MainWindow::New1Click()
{
    m_documents->New1Click();
}

void MainWindow::Open1Click()
{
    m_documents->Open1Click();
}

void MainWindow::Save1Click()
{
    m_documents->Save1Click();
}

void MainWindow::Saveas1Click()
{
    m_documents->Saveas1Click();
}

void MainWindow::reopenClick(int item)
{
    m_documents->reopenClick(item);
}

void MainWindow::TestConnection1Click()
{
    m_controller->testConnection();
}

void MainWindow::WriteControllerSettings1Click()
{
    // One handler for both commands: the Read menu item (also behind F3 and
    // its tool-bar button) reads, anything else writes.
    m_controller->startTransaction(sender() == m_actions.readSettings ? TransactionMode::Read
                                                                      : TransactionMode::Write);
}

} // namespace vexlor
