#include "main_window.h"

#include "menu_bar.h"
#include "tool_bar.h"
#include "basics/window_texts.h"
#include "art/grid_icon.h"
#include "art/motor_illustration.h"
#include "pages/field_descriptions.h"
#include "pages/general_page.h"
#include "pages/motor_page.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QLayout>
#include <QPainter>
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
    return iconFromGridDrawing(
        [](QPainter &painter) { MotorIllustration::paintMotor(painter, QRectF(0, 0, 24, 24)); });
}

} // namespace

MainWindow::MainWindow(const StartValues &start, QWidget *parent)
    : QMainWindow(parent)
    , m_programFolder(start.programFolder)
    , m_numberFormat(start.numberFormat)
    , m_caption(*this)
{
    setObjectName(QStringLiteral("TForm1"));
    buildWindow();
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
    m_pages->addTab(buildGeneralPage(m_pages, m_controls), WindowTexts::tr("General"));
    m_pages->addTab(buildMotorPage(m_pages, m_controls), WindowTexts::tr("Motor"));
    describeFields(m_controls, m_numberFormat);

    m_strip = buildStatusStrip(client);
    m_strip.frame->setGeometry(0, kToolBarHeight + kPagesHeight, kClientWidth, kStatusHeight);

    // The client area is fixed; the window is the menu bar plus that.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_actions.exit, &QAction::triggered, this, &QWidget::close);
    connect(m_actions.connectionDoctor, &QAction::triggered, this,
            &MainWindow::connectionDoctorRequested);
}

// ---- start-up ------------------------------------------------------------

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

// ---- closing, drops, placing ----------------------------------------------

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Unsaved changes are asked about once, before the link is let go:
    // Cancel, or a save that did not happen, keeps the window as it was.
    if (!m_closing && !m_hooks.settleUnsavedChanges()) {
        event->ignore();
        return;
    }
    // The port is released and the bridge line dropped before the window
    // goes. That takes 200 ms, so the first request starts it and the window
    // closes itself once it is done.
    if (m_hooks.isReleased()) {
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
    m_hooks.release([this] { close(); });
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (m_hooks.acceptsDrop(event->mimeData()))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    m_hooks.openDropped(event->mimeData());
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
